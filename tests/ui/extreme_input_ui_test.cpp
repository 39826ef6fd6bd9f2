// SPDX-License-Identifier: GPL-3.0-or-later
// Extreme inputs through the real widgets: pasted megabytes, numbers at the
// edge of the double range, texts the rules cannot read, a hundred streams.
// Each either computes or is reported in the error window, and Norv goes on.
#include "stream_ui_actions.h"

#include "common/text_box.h"

#include <QClipboard>
#include <QLabel>

#include <vector>

namespace norv::test {
namespace {

QString repeated(const char* pattern, int size)
{
    QString text = QString::fromLatin1(pattern).repeated(size / int(qstrlen(pattern)) + 1);
    text.truncate(size);
    return text;
}

const QString kDigits = repeated("1234567890", 1 << 20);
const QString kLetters = repeated("abcdefghij", 1 << 20);

QString shownError()
{
    QWidget* window = UiNorv::window("Norv_error");
    if (!window || !window->isVisible())
        return {};
    return UiNorv::widget<QLabel>("Norv_error", "errordescription")->text();
}

QString runTimeError(const char* description)
{
    return description ? QStringLiteral("Errore di Run-time: ") + QLatin1String(description) : QString();
}

// Riprendi, then the main window is the user's again.
void resume()
{
    platformClick(UiNorv::widget<QPushButton>("Norv_error", "Riprendi"));
    EXPECT_FALSE(UiNorv::window("Norv_error")->isVisible());
    activate(UiNorv::window("Norv_main"));
}

// The focus as Tab gives it: a click would run diskspace's own press handler.
void selectAll(QLineEdit* edit)
{
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
}

void paste(QLineEdit* edit, const QString& text)
{
    QApplication::clipboard()->setText(text);
    selectAll(edit);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void type(QLineEdit* edit, const QString& text)
{
    selectAll(edit);
    QTest::keyClicks(edit, text);
}

std::string modelText(UiNorv& norv, const char* name)
{
    return dynamic_cast<TextBox&>(*norv.model().control(name)).text();
}

// A megabyte pasted into each field of the main window: the field takes the
// first 32767 characters, as any line edit does, and its rules act on them.
struct PastedField {
    const char* name;
    bool videoRow;           // the quality field takes input only with a video bitrate
    const char* digitsError; // what 32767 digits raise; null where nothing reads them yet
    const char* lettersShow; // the normalised text; null where the field keeps them
    const char* ordinary;    // an edit afterwards, shown as typed
};

class PastedMegabyteUi : public ::testing::TestWithParam<PastedField> {};

TEST_P(PastedMegabyteUi, FieldTakesWhatFitsAndNorvGoesOn)
{
    const PastedField& p = GetParam();
    SettingsDir settings;
    UiNorv norv(settings);
    if (p.videoRow)
        addStream(Type::Video, QStringLiteral("1000000"), Sized::Bitrate);
    activate(UiNorv::window("Norv_main"));
    QLineEdit* edit = field(p.name);
    ASSERT_TRUE(edit->isEnabled());

    // Digits beyond the double range: the field and the model hold what fits.
    paste(edit, kDigits);
    EXPECT_EQ(edit->text(), kDigits.left(edit->maxLength()));
    EXPECT_EQ(modelText(norv, p.name), edit->text().toStdString());
    EXPECT_EQ(shownError(), runTimeError(p.digitsError));
    if (p.digitsError)
        resume();

    paste(edit, kLetters);
    EXPECT_EQ(edit->text(), p.lettersShow ? QLatin1String(p.lettersShow) : kLetters.left(edit->maxLength()));
    EXPECT_EQ(shownError(), QString());

    type(edit, QLatin1String(p.ordinary));
    EXPECT_EQ(edit->text(), QLatin1String(p.ordinary));
    EXPECT_EQ(modelText(norv, p.name), p.ordinary);
    EXPECT_EQ(shownError(), QString());
}

const PastedField kPastedFields[] = {
    // No change handler: the text waits for the next refresh cycle.
    {"diskspace", false, nullptr, nullptr, "1000"},
    {"lenght", false, "Overflow", "0", "60"},
    {"framerate", false, "Overflow", "0", "25"},
    {"prop1", false, nullptr, nullptr, "4"},
    {"prop2", false, nullptr, nullptr, "3"},
    {"xdivisible", false, "Overflow", "1", "16"},
    {"ydivisible", false, "Overflow", "1", "16"},
    {"fwidth", false, "Overflow", "0", "720"},
    {"fheight", false, "Overflow", "0", "576"},
    {"videoquality", true, "Overflow", "0", "1000"},
};

INSTANTIATE_TEST_SUITE_P(Fields, PastedMegabyteUi, ::testing::ValuesIn(kPastedFields),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MegabyteElsewhereUi, ReadOnlyProportionErrorIgnoresIt)
{
    SettingsDir settings;
    UiNorv norv(settings);
    activate(UiNorv::window("Norv_main"));
    paste(field("properror"), kDigits);
    EXPECT_EQ(field("properror")->text(), QStringLiteral("0%"));
    EXPECT_EQ(norv.model().properror.text(), "0%");
}

TEST(MegabyteElsewhereUi, AddStreamValueOverflowsAtAddThenTakesTheNextValue)
{
    SettingsDir settings;
    UiNorv norv(settings);
    activate(UiNorv::window("Norv_main"));
    QDialog* dialog = openAddStream();
    ASSERT_TRUE(dialog && dialog->isVisible());
    QLineEdit* value = UiNorv::widget<QLineEdit>("AddStream", "dimensionestream");
    auto* add = UiNorv::widget<QPushButton>("AddStream", "Add");

    // The value field has no change handler: the digits wait for Add.
    paste(value, kDigits);
    EXPECT_EQ(value->text(), kDigits.left(value->maxLength()));
    EXPECT_EQ(shownError(), QString());
    platformClick(add);
    EXPECT_EQ(shownError(), runTimeError("Overflow"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(column("streamlist")->count(), 0);

    // Riprendi over the modal dialog; letters are added as 0.
    platformClick(UiNorv::widget<QPushButton>("Norv_error", "Riprendi"));
    activate(dialog);
    paste(value, kLetters);
    EXPECT_EQ(value->text(), kLetters.left(value->maxLength()));
    platformClick(add);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(rowOf(0), (QStringList{"Video", "", "0", "bit/s"}));

    activate(UiNorv::window("Norv_main"));
    addStream(Type::Audio, QStringLiteral("128000"), Sized::Bitrate);
    EXPECT_EQ(rowOf(1), (QStringList{"Audio", "", "128000", "bit/s"}));
    EXPECT_EQ(shownError(), QString());
}

// One input typed or pasted ('.' stands for the locale's decimal separator).
struct Step {
    const char* field;
    const char* text;
    bool pasted = false; // typed key by key, the refresh cycle would eat an "e" or a "."
};

struct Extreme {
    const char* name;
    bool videoRow;
    std::vector<Step> input;
    const char* error; // null: it computes
    Step shown;        // a field's text after the input
    std::vector<Step> correction;
    Step corrected; // a field's text after the correction
};

void run(const std::vector<Step>& steps)
{
    for (const Step& s : steps) {
        const QString text = UiNorv::dec(QLatin1String(s.text));
        s.pasted ? paste(field(s.field), text) : type(field(s.field), text);
    }
}

void expectShows(const Step& s) { EXPECT_EQ(field(s.field)->text(), UiNorv::dec(QLatin1String(s.text))) << s.field; }

class ExtremeValueUi : public ::testing::TestWithParam<Extreme> {};

TEST_P(ExtremeValueUi, ComputesOrReportsAndACorrectEditWorks)
{
    const Extreme& e = GetParam();
    SettingsDir settings;
    UiNorv norv(settings);
    if (e.videoRow)
        addStream(Type::Video, QStringLiteral("1000000"), Sized::Bitrate);
    activate(UiNorv::window("Norv_main"));

    run(e.input);
    EXPECT_EQ(shownError(), runTimeError(e.error));
    expectShows(e.shown);
    if (e.error)
        resume();

    run(e.correction);
    EXPECT_EQ(shownError(), QString());
    expectShows(e.corrected);
}

const Extreme kExtremes[] = {
    {"ExponentBeyondTheDoubleRange", false, {{"lenght", "1e999", true}}, "Overflow", {"lenght", "1e999"},
     {{"lenght", "60"}}, {"lenght", "60"}},
    {"NegativeZero", false, {{"fwidth", "-0", true}}, nullptr, {"fwidth", "0"},
     {{"fwidth", "720"}}, {"fheight", "576"}},
    {"HexInALength", false, {{"lenght", "&HFFFFFFFF", true}}, nullptr, {"lenght", "4294967295"},
     {{"lenght", "60"}}, {"lenght", "60"}},
    {"HexMultiple", false, {{"xdivisible", "&HFFFFFFFF", true}}, "Type mismatch", {"xdivisible", "&HFFFFFFFF"},
     {{"xdivisible", "16"}}, {"fwidth", "720"}},
    {"RatioWithAColon", false, {{"prop1", "4:3", true}, {"fwidth", "704"}}, "Type mismatch", {"prop1", "4:3"},
     {{"prop1", "4"}, {"prop2", "3"}, {"fwidth", "720"}}, {"fheight", "540"}},
    {"RatioWithAUnit", false, {{"prop2", "16px", true}, {"fwidth", "704"}}, "Type mismatch", {"prop2", "16px"},
     {{"prop2", "576"}, {"fwidth", "720"}}, {"fheight", "576"}},
    {"MultipleWithAColon", false, {{"xdivisible", "4:3", true}}, "Type mismatch", {"xdivisible", "4:3"},
     {{"xdivisible", "16"}}, {"fwidth", "720"}},
    {"MultipleWithAUnit", false, {{"ydivisible", "16px", true}}, "Type mismatch", {"ydivisible", "16px"},
     {{"ydivisible", "16"}}, {"fheight", "576"}},
    {"MultipleBelowOneHalf", false, {{"xdivisible", "0.3", true}}, "Division by zero", {"xdivisible", "0.3"},
     {{"xdivisible", "16"}}, {"fwidth", "720"}},
    {"NegativeRatioWithAQualityFigure", true, {{"prop1", "-720", true}, {"videoquality", "1000"}},
     "Invalid procedure call or argument", {"videoquality", "1000"},
     {{"prop1", "720"}, {"videoquality", "1000"}}, {"fwidth", "707"}},
};

INSTANTIATE_TEST_SUITE_P(Inputs, ExtremeValueUi, ::testing::ValuesIn(kExtremes),
                         [](const auto& info) { return std::string(info.param.name); });

void doubleClickRow(int row)
{
    QListWidget* types = column("streamlist");
    types->scrollToItem(types->item(row));
    doubleClick(types->viewport(), types->visualItemRect(types->item(row)).center());
}

void doubleClickDiskspace() { doubleClick(field("diskspace"), QPoint(4, 4)); }

TEST(ExtremeStreamsUi, HugeDiskSpaceOverflowsThePoolAndDiskspaceStillComputes)
{
    // State: a length, an audio stream and the video stream at 100%; 1E308 bytes of disk.
    SettingsDir settings;
    UiNorv norv(settings);
    addStream(Type::Audio, QStringLiteral("128000"), Sized::Bitrate);
    addStream(Type::Video, QStringLiteral("100"), Sized::Percent);
    activate(UiNorv::window("Norv_main"));
    type(field("lenght"), QStringLiteral("100"));
    type(field("diskspace"), QStringLiteral("1E308"));

    // Action: the allocation.
    doubleClickRow(1);

    // Expected: eight times the disk space leaves the double range.
    EXPECT_EQ(shownError(), runTimeError("Overflow"));
    EXPECT_EQ(field("diskspace")->text(), QStringLiteral("1E+308"));
    EXPECT_EQ(rowOf(1), (QStringList{"Video", "100%", "", ""}));

    // Norv goes on: diskspace gives what the streams need, and the pool fits.
    resume();
    doubleClickDiskspace();
    EXPECT_EQ(field("diskspace")->text(), QStringLiteral("1600000"));
    type(field("diskspace"), QStringLiteral("2000000"));
    doubleClickRow(1);
    EXPECT_EQ(rowOf(1), (QStringList{"Video", "100%", "32000", "bit/s"}));
    EXPECT_EQ(shownError(), QString());
}

TEST(ExtremeStreamsUi, LengthBelowOneHalfSecondGivesByteSizedVideoNoBitrate)
{
    // State: a video stream sized in bytes.
    SettingsDir settings;
    UiNorv norv(settings);
    addStream(Type::Video, QStringLiteral("1000000"), Sized::Bytes);
    activate(UiNorv::window("Norv_main"));

    // Action and expected: 0.4 s rounds to no whole second; its term is 0, no error.
    paste(field("lenght"), UiNorv::dec(QStringLiteral("0.4")));
    EXPECT_EQ(shownError(), QString());
    EXPECT_EQ(field("lenght")->text(), UiNorv::dec(QStringLiteral("0.4")));
    EXPECT_EQ(norv.model().VideoBitrate(), 0.0);
    EXPECT_FALSE(field("videoquality")->isEnabled());

    // 0.6 s rounds to one second: 8000000 bit/s.
    paste(field("lenght"), UiNorv::dec(QStringLiteral("0.6")));
    EXPECT_EQ(shownError(), QString());
    EXPECT_EQ(norv.model().VideoBitrate(), 8000000.0);
    EXPECT_TRUE(field("videoquality")->isEnabled());
}

TEST(ExtremeStreamsUi, HundredStreamsAllocateSumAndRemove)
{
    // State: 100000000 bytes over 100 s; the video stream at 100% and 99 audio
    // streams of 1000 bit/s, put straight into the rows for speed.
    SettingsDir settings;
    UiNorv norv(settings);
    Norv_main& m = norv.model();
    const auto addRow = [&m](const char* type, const char* percent, const char* size, const char* unit) {
        m.streamlist.addItem(type);
        m.streampercentual.addItem(percent);
        m.streamdimension.addItem(size);
        m.dimensiontype.addItem(unit);
    };
    addRow("Video", "100%", "", "");
    for (int i = 1; i < 100; ++i)
        addRow("Audio", "", "1000", "bit/s");
    activate(UiNorv::window("Norv_main"));
    type(field("diskspace"), QStringLiteral("100000000"));
    type(field("lenght"), QStringLiteral("100"));
    ASSERT_EQ(column("streamlist")->count(), 100);

    // Action: the allocation, from the last row.
    doubleClickRow(99);

    // Expected: the video stream gets 8000000 bit/s less 99 × 1000.
    EXPECT_EQ(rowOf(0), (QStringList{"Video", "100%", "7901000", "bit/s"}));
    EXPECT_EQ(rowOf(99), (QStringList{"Audio", "", "1000", "bit/s"}));

    // The space those streams need is the disk space again.
    doubleClickDiskspace();
    EXPECT_EQ(field("diskspace")->text(), QStringLiteral("100000000"));

    // Remove the last row through the button: one audio stream less to store.
    QListWidget* types = column("streamlist");
    types->scrollToItem(types->item(99));
    QTest::mouseClick(types->viewport(), Qt::LeftButton, {}, types->visualItemRect(types->item(99)).center());
    ASSERT_EQ(m.streamlist.listIndex(), 99);
    platformClick(UiNorv::widget<QPushButton>("Norv_main", "RemoveStreamButton"));
    EXPECT_EQ(types->count(), 99);
    expectSideBySide("Remove");
    doubleClickDiskspace();
    EXPECT_EQ(field("diskspace")->text(), QStringLiteral("99987500"));
    EXPECT_EQ(shownError(), QString());
}

} // namespace
} // namespace norv::test
