// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace norv {

// The settings file's text: "[section]" lines open a section, "key=value"
// lines hold values, lines starting with ';' are comments, one entry a line.
// Values are read as the earlier writers of the file wrote them: an optional
// double-quoted part keeps blanks and ';', backslash escapes ("\"", "\\",
// "\t", "\x41"...), "@@" for a leading '@'. Any other value that begins with
// '@' is an object serialised by some other program: it is returned as
// written, undecoded, so that it matches none of the values Norv accepts.
// Where a key appears more than once in a section, the last one counts.

// The value of key in section; nothing when the text holds none.
std::optional<std::string> settingsValue(std::string_view text, std::string_view section, std::string_view key);

// The text with the value of key in section replaced, or added at the end
// of the section (or of the text, in a new section). Every other byte stays
// as it was: other sections and keys, comments, blank lines, bytes that are
// not UTF-8.
std::string withSetting(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

} // namespace norv
