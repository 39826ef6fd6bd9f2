// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into the number fields: every keystroke runs the field's change
// handling and the refresh cycle, which rewrites the text at once; the caret
// stays after what the user just typed.
#include "field_keys.h"

#include "common/text_box.h"

namespace norv::test {
namespace {

struct Typing {
    const char* name;
    const char* multiples; // typed into xdivisible and ydivisible first, or null
    const char* field;
    const char* keys;      // see typeKeys
    const char* shown;     // '.' stands for the locale's decimal separator
    int caret;
};

class FieldTyping : public ::testing::TestWithParam<Typing> {};

TEST_P(FieldTyping, RewritesWhileTypingAndKeepsTheCaret)
{
    const Typing& t = GetParam();
    SettingsDir settings;
    UiNorv norv(settings);
    if (t.multiples)
        typeMultiples(QString::fromLatin1(t.multiples));

    typeInto(t.field, QString::fromLatin1(t.keys));

    QLineEdit* edit = field(t.field);
    EXPECT_EQ(edit->text(), UiNorv::dec(QString::fromLatin1(t.shown)));
    EXPECT_EQ(edit->text().toStdString(), dynamic_cast<TextBox&>(*norv.model().control(t.field)).text());
    EXPECT_EQ(edit->cursorPosition(), t.caret);
}

const Typing kTyping[] = {
    // A separator typed last vanishes at once: fractions need digits around it.
    {"SeparatorTypedLast", nullptr, "framerate", "*25.", "25", 2},
    {"FractionByInsertingTheSeparator", nullptr, "framerate", "*2997<<.", "29.97", 3},
    {"FractionOfALength", nullptr, "lenght", "*905<.", "90.5", 3},
    {"LettersAfterTheNumber", nullptr, "framerate", "*30fps", "30", 2},
    {"EmptiedField", nullptr, "framerate", "*\b", "0", 1},
    // The caret after the 0 lets the next digit replace it.
    {"TypingAfterEmptying", nullptr, "framerate", "*\b5", "5", 1},
    // The separator vanishes with the zeros after it: the caret stays after "25".
    {"SeparatorBeforeZeros", nullptr, "framerate", "*2500<<.", "25", 2},
    // A width that snaps to its multiple of 16: the caret stays after the typed 1.
    {"WidthSnaps", "16", "fwidth", "$<1", "7216", 3},
    {"WidthSnapsAtTheEnd", "16", "fwidth", "$3", "7200", 4},
    {"WidthSelectionReplaced", "16", "fwidth", "$<{0", "704", 2},
};

INSTANTIATE_TEST_SUITE_P(Keys, FieldTyping, ::testing::ValuesIn(kTyping),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FieldTypingUi, FractionsSurviveTheNextRefresh)
{
    SettingsDir settings;
    UiNorv norv(settings);
    typeInto("framerate", "*2997<<.");
    typeInto("lenght", "*905<.");

    // Action: an edit elsewhere runs the refresh cycle over both fields.
    typeInto("xdivisible", "*2");

    EXPECT_EQ(field("framerate")->text(), UiNorv::dec("29.97"));
    EXPECT_EQ(field("lenght")->text(), UiNorv::dec("90.5"));
}

TEST(FieldTypingUi, FieldWithoutChangeHandlingKeepsItsTextUntilTheNextRefresh)
{
    SettingsDir settings;
    UiNorv norv(settings);
    typeInto("diskspace", "*700MB");
    EXPECT_EQ(field("diskspace")->text(), QStringLiteral("700MB"));

    typeInto("framerate", "*24");

    EXPECT_EQ(field("diskspace")->text(), QStringLiteral("700"));
}

} // namespace
} // namespace norv::test
