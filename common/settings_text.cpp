// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_text.h"

#include <cctype>

namespace norv {

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Where the key's value lies in the text, and where a line for it would go.
struct Place {
    std::optional<std::pair<std::size_t, std::size_t>> value; // the value as written: [begin, end)
    std::optional<std::size_t> sectionEnd; // after the last entry of the section's last appearance
};

// A value ends at a ';' outside quotes or at the end of its line, blanks
// after it not included.
std::size_t valueEnd(std::string_view text, std::size_t begin, std::size_t lineEnd)
{
    bool quoted = false;
    std::size_t end = begin;
    for (std::size_t i = begin; i < lineEnd; ++i) {
        const char c = text[i];
        if (c == ';' && !quoted)
            break;
        if (c == '\\' && i + 1 < lineEnd) {
            end = ++i + 1; // the escaped character belongs to the value, blank or not
            continue;
        }
        if (c == '"')
            quoted = !quoted;
        if (quoted || !blank(c))
            end = i + 1;
    }
    return end;
}

Place find(std::string_view text, std::string_view section, std::string_view key)
{
    Place place;
    bool inSection = false; // entries before the first section belong to none
    std::size_t pos = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < text.size()) {
        const std::size_t lineEnd = std::min(text.find('\n', pos), text.size());
        const std::size_t next = lineEnd < text.size() ? lineEnd + 1 : lineEnd;
        const std::string_view line = trimmed(text.substr(pos, lineEnd - pos));
        const std::size_t equals = line.find('=');
        if (line.starts_with('[')) {
            const std::size_t close = line.find(']');
            inSection = close != line.npos && trimmed(line.substr(1, close - 1)) == section;
            if (inSection)
                place.sectionEnd = next;
        } else if (inSection && !line.starts_with(';') && equals != line.npos) {
            place.sectionEnd = next;
            if (trimmed(line.substr(0, equals)) == key) {
                std::size_t begin = static_cast<std::size_t>(line.data() - text.data()) + equals + 1;
                while (begin < lineEnd && blank(text[begin]))
                    ++begin;
                place.value = {begin, valueEnd(text, begin, lineEnd)};
            }
        }
        pos = next;
    }
    return place;
}

void appendUtf8(std::string& out, unsigned code)
{
    if (code >= 0xD800 && code <= 0xDFFF)
        code = 0xFFFD; // half of a pair is no character
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The number an escape spells in base 16 ("\x41", up to four digits) or 8
// ("\101", up to three); i is left on its last digit.
unsigned escapedNumber(std::string_view raw, std::size_t& i, int base)
{
    const std::size_t first = base == 16 ? i + 1 : i;
    unsigned code = 0;
    std::size_t end = first;
    for (; end < raw.size() && end < first + (base == 16 ? 4 : 3); ++end) {
        const char c = raw[end];
        const bool digit = base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0 : c >= '0' && c <= '7';
        if (!digit)
            break;
        code = code * base + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                                                             : (c | 0x20) - 'a' + 10);
    }
    i = end - 1;
    return code;
}

std::string decoded(std::string_view raw)
{
    static constexpr std::string_view kNamed = "a\ab\bf\fn\nr\rt\tv\v";
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"')
            continue; // quotes only keep blanks and ';' inside
        if (c != '\\' || i + 1 == raw.size()) {
            out += c;
            continue;
        }
        const char e = raw[++i];
        if (e == 'x' || (e >= '0' && e <= '7')) {
            appendUtf8(out, escapedNumber(raw, i, e == 'x' ? 16 : 8));
        } else {
            const std::size_t named = kNamed.find(e);
            out += named != kNamed.npos && named % 2 == 0 ? kNamed[named + 1] : e;
        }
    }
    if (out.starts_with("@@"))
        return out.substr(1);
    if (out.starts_with('@'))
        return std::string(raw); // a serialised object: never decoded
    return out;
}

std::string encoded(std::string_view value)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = value.starts_with('@') ? "@" : "";
    bool afterHex = false; // a hex digit after "\x.." would be read as part of it
    for (const char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || (afterHex && std::isxdigit(u))) {
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
            afterHex = true;
            continue;
        }
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
        afterHex = false;
    }
    const bool quote = value.starts_with(' ') || value.ends_with(' ') || value.find_first_of(";,=") != value.npos;
    return quote ? '"' + out + '"' : out;
}

} // namespace

std::optional<std::string> settingsValue(std::string_view text, std::string_view section, std::string_view key)
{
    const Place place = find(text, section, key);
    if (!place.value)
        return std::nullopt;
    return decoded(text.substr(place.value->first, place.value->second - place.value->first));
}

std::string withSetting(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value)
{
    const Place place = find(text, section, key);
    std::string out(text);
    if (place.value)
        return out.replace(place.value->first, place.value->second - place.value->first, encoded(value));
    const std::string line = std::string(key) + '=' + encoded(value) + '\n';
    if (place.sectionEnd) {
        const std::size_t at = *place.sectionEnd;
        return out.insert(at, at > 0 && text[at - 1] != '\n' ? '\n' + line : line);
    }
    if (!out.empty())
        out += out.back() == '\n' ? "\n" : "\n\n";
    return out + '[' + std::string(section) + "]\n" + line;
}

} // namespace norv
