// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's text: reading one value as its writers wrote it, and
// replacing one value without touching any other byte.
#include "common/settings_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace norv::test {
namespace {

std::optional<std::string> language(const std::string& text) { return settingsValue(text, "Options", "Language"); }

TEST(SettingsText, ReadsTheLastValueOfTheKeyInItsSection)
{
    const std::pair<std::string, std::optional<std::string>> rows[] = {
        {"[Options]\nLanguage=Italiano\n", "Italiano"},
        {"\xEF\xBB\xBF[ Options ]\r\n  Language =  Italiano  \r\n", "Italiano"}, // BOM, CRLF, blanks
        {"[Options]\nLanguage=Italiano ; chosen in 2023", "Italiano"},
        {"[Options]\nLanguage=\" 1\"\n", " 1"}, // quoted to keep its blank
        {"[Options]\nLanguage=\"a;b\" \n", "a;b"},
        {"[Options]\nLanguage=\\x49t\\141liano\\t\\\"\\\\\n", "Italiano\t\"\\"},
        {"[Options]\nLanguage=\\xd800\n", "\xEF\xBF\xBD"},
        {"[Options]\nLanguage=\n", ""},
        {"[Options]\nLanguage=English\n[Other]\nLanguage=x\n[Options]\nLanguage=Italiano\n", "Italiano"},
        {"[Options]\nLanguage=@@Italiano\n", "@Italiano"},
        {"no equals sign\n=\n[[[\n[Options]\nLanguage=Italiano\n]]]\n=orphan\n", "Italiano"}, // broken lines around
        // Serialised objects stay as written: they match no value Norv accepts.
        {"[Options]\nLanguage=@ByteArray(Italiano)\n", "@ByteArray(Italiano)"},
        {"[Options]\nLanguage=\"@Variant(\\0\\0\\0\\t)\"\n", "\"@Variant(\\0\\0\\0\\t)\""},
        // Not there: another section, before any section, a comment, another case.
        {"[Other]\nLanguage=Italiano\n", std::nullopt},
        {"Language=Italiano\n[Options]\n", std::nullopt},
        {"[Options]\n;Language=Italiano\nlanguage=Italiano\n[Options\nLanguage=Italiano\n", std::nullopt},
        {"\xFF\xFE[Options]\nLanguage", std::nullopt},
    };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(language(text), value) << text;
}

TEST(SettingsText, ReplacesOneValueAndKeepsEveryOtherByte)
{
    const std::pair<std::string, std::string> rows[] = {
        {"", "[Options]\nLanguage=English\n"},
        {"[Other]\nk=v", "[Other]\nk=v\n\n[Options]\nLanguage=English\n"},
        {"; mine\r\n[Options]\r\nLanguage = Italiano ; chosen\r\nOverhead=1\r\n[X]\r\nz=\xFF\xFE\r\n",
         "; mine\r\n[Options]\r\nLanguage = English ; chosen\r\nOverhead=1\r\n[X]\r\nz=\xFF\xFE\r\n"},
        {"[Options]\nOverhead=1\n; about X\n\n[X]\ny=2\n",
         "[Options]\nOverhead=1\nLanguage=English\n; about X\n\n[X]\ny=2\n"},
        {"[Options]\nOverhead=1", "[Options]\nOverhead=1\nLanguage=English\n"},
        {"[Options]\nLanguage=@Variant(\\0\\0\\0\\t\\0)\n", "[Options]\nLanguage=English\n"},
    };
    for (const auto& [before, after] : rows)
        EXPECT_EQ(withSetting(before, "Options", "Language", "English"), after) << before;
}

TEST(SettingsText, AnyValueReadsBackAsSaved)
{
    const std::string values[] = {"Italiano", " 1 ", "a;b,c=d", "@x",         "@@",
                                  "\t\x01" "1f\n", "\\\"", "",        "\xC3\xBC\xFF"};
    for (const std::string& value : values) {
        const std::string text = withSetting("[Options]\nOverhead=1\n", "Options", "Language", value);
        EXPECT_EQ(language(text), value) << text;
        EXPECT_EQ(settingsValue(text, "Options", "Overhead"), "1") << text;
        EXPECT_EQ(text.find('\n', text.find("Language=")) + 1, text.size()) << "one line: " << text;
    }
}

} // namespace
} // namespace norv::test
