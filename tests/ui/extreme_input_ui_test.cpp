// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs the rules cannot compute or barely can, through the real widgets:
// pasted megabytes, numbers at the edge of the double range, texts the rules
// cannot read, a hundred streams. Each either computes or is reported in the
// error window, and Norv goes on.
#include "widget_harness.h"

#include "common/text_box.h"

namespace norv::test {
namespace {

// The text of a paste written "field=text": '.' stands for the locale's
// decimal separator, "1MB" for a megabyte of digits.
QString textOf(const QString& step)
{
    const QString text = step.section('=', 1);
    return text == "1MB" ? megabyteOf("1234567890") : UiNorv::dec(text);
}

QLineEdit* fieldOf(const QString& step) { return field(step.section('=', 0, 0).toLatin1().constData()); }

void run(const char* pastes)
{
    for (const QString& step : QString(pastes).split(' '))
        paste(fieldOf(step), textOf(step));
}

// The field of a step, or by default of the last one, shows its text; a
// field takes the first 32767 characters, as any line edit does.
void expectShows(const char* step, const char* steps)
{
    const QString last = step ? QString(step) : QString(steps).section(' ', -1);
    EXPECT_EQ(fieldOf(last)->text(), textOf(last).left(fieldOf(last)->maxLength())) << last.left(40).toStdString();
}

struct Extreme {
    const char* name;
    const char* videoUnit; // a video row of 1000000 in this unit, or null
    const char* input;
    const char* error;     // null: it computes
    const char* shown;     // a field's text after the input; null: the last one pasted
    const char* correction;
    const char* corrected; // a field's text after the correction; null: the last one pasted
};

class ExtremeValueUi : public ::testing::TestWithParam<Extreme> {};

TEST_P(ExtremeValueUi, ComputesOrReportsAndACorrectEditWorks)
{
    const Extreme& e = GetParam();
    SettingsDir settings;
    UiNorv norv(settings);
    if (e.videoUnit)
        addVideoRow(norv.model(), "1000000", e.videoUnit);

    // Action: the input. Expected: the error window or none; the field and
    // the model keep the text.
    run(e.input);
    EXPECT_EQ(shownError(), runTimeError(e.error));
    expectShows(e.shown, e.input);
    for (const QString& step : QString(e.input).split(' ')) {
        const auto* model = dynamic_cast<TextBox*>(norv.model().control(step.section('=', 0, 0).toStdString()));
        EXPECT_EQ(QString::fromStdString(model->text()), fieldOf(step)->text());
    }
    if (e.error) {
        // Riprendi hides the window and keeps its text.
        resume();
        EXPECT_EQ(UiNorv::widget<QLabel>("Norv_error", "errordescription")->text(), runTimeError(e.error));
    }

    // Action: a correct edit. Expected: it works as ever.
    run(e.correction);
    EXPECT_EQ(shownError(), QString());
    expectShows(e.corrected, e.correction);
    EXPECT_EQ(slider("fwidths")->value(), norv.model().fwidths.value());
}

const Extreme kExtremes[] = {
    // A megabyte pasted into each field; where nothing reads it yet, it waits
    // for the next refresh cycle.
    {"MegabyteInDiskspace", nullptr, "diskspace=1MB", nullptr, nullptr, "diskspace=5", nullptr},
    {"MegabyteInLength", nullptr, "lenght=1MB", "Overflow", nullptr, "lenght=5", nullptr},
    {"MegabyteInFrameRate", nullptr, "framerate=1MB", "Overflow", nullptr, "framerate=5", nullptr},
    {"MegabyteInRatio", nullptr, "prop1=1MB", nullptr, nullptr, "prop1=5", nullptr},
    {"MegabyteInRatioHeight", nullptr, "prop2=1MB", nullptr, nullptr, "prop2=5", nullptr},
    {"MegabyteInMultiple", nullptr, "xdivisible=1MB", "Overflow", nullptr, "xdivisible=5", nullptr},
    {"MegabyteInMultipleHeight", nullptr, "ydivisible=1MB", "Overflow", nullptr, "ydivisible=5", nullptr},
    {"MegabyteInWidth", nullptr, "fwidth=1MB", "Overflow", nullptr, "fwidth=5", nullptr},
    {"MegabyteInHeight", nullptr, "fheight=1MB", "Overflow", nullptr, "fheight=5", nullptr},
    {"MegabyteInQuality", "bit/s", "videoquality=1MB", "Overflow", nullptr, "videoquality=5", nullptr},
    {"ExponentBeyondTheDoubleRange", nullptr, "lenght=1e999", "Overflow", nullptr, "lenght=60", nullptr},
    {"NegativeZero", nullptr, "fwidth=-0", nullptr, "fwidth=0", "fwidth=720", "fheight=576"},
    {"HexLength", nullptr, "lenght=&HFFFFFFFF", nullptr, "lenght=4294967295", "lenght=60", nullptr},
    // 0.4 s rounds to no whole second: a size in bytes counts no bitrate.
    {"LengthBelowHalfASecond", "bytes", "lenght=0.4", nullptr, nullptr, "lenght=0.6", "videoquality=7716.04938271605"},
    {"HexMultiple", nullptr, "xdivisible=&HFFFFFFFF", "Type mismatch", nullptr, "xdivisible=16", "fwidth=720"},
    {"MultipleWithAColon", nullptr, "xdivisible=4:3", "Type mismatch", nullptr, "xdivisible=16", "fwidth=720"},
    {"MultipleWithAUnit", nullptr, "ydivisible=16px", "Type mismatch", nullptr, "ydivisible=16", "fheight=576"},
    {"MultipleBelowOneHalf", nullptr, "xdivisible=0.3", "Division by zero", nullptr, "xdivisible=16", "fwidth=720"},
    {"RatioWithAColon", nullptr, "prop1=4:3 fwidth=704", "Type mismatch", "prop1=4:3",
     "prop1=4 prop2=3 fwidth=720", "fheight=540"},
    {"RatioWithAUnit", nullptr, "prop2=16px fwidth=704", "Type mismatch", "prop2=16px",
     "prop2=576 fwidth=720", "fheight=576"},
    {"NegativeRatio", "bit/s", "prop1=-720 videoquality=1000", "Invalid procedure call or argument", nullptr,
     "prop1=720 fwidth=704", "fheight=563"},
    // 3000000000 pixels are more multiples of 1 than a 32-bit slider holds.
    {"WidthBeyondTheSliderRange", nullptr, "fwidth=3000000000", "Overflow", nullptr, "fwidth=720", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Inputs, ExtremeValueUi, ::testing::ValuesIn(kExtremes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExtremeStreamsUi, HundredStreamsAndAHugeDiskSpace)
{
    // State: 100 s; the video stream at 100% and 99 audio streams of 1000
    // bit/s, put straight into the rows for speed.
    SettingsDir settings;
    UiNorv norv(settings);
    Norv_main& m = norv.model();
    addRow(m, "Video", "100%", "", "");
    for (int i = 1; i < 100; ++i)
        addRow(m, "Audio", "", "1000", "bit/s");
    paste(field("lenght"), "100");

    // Action: 1E308 bytes of disk, the allocation from the last row.
    paste(field("diskspace"), "1E308");
    doubleClickRow(99);
    // Expected: eight times the disk space leaves the double range.
    EXPECT_EQ(shownError(), runTimeError("Overflow"));
    EXPECT_EQ(field("diskspace")->text(), "1E+308");
    EXPECT_EQ(rowOf(0), (QStringList{"Video", "100%", "", ""}));

    // Action: Riprendi, 100000000 bytes, the allocation again. Expected: the
    // video stream gets 8000000 bit/s less 99 x 1000, and the space those
    // streams need is the disk space again.
    resume();
    paste(field("diskspace"), "100000000");
    doubleClickRow(99);
    EXPECT_EQ(rowOf(0), (QStringList{"Video", "100%", "7901000", "bit/s"}));
    doubleClick(field("diskspace"));
    EXPECT_EQ(field("diskspace")->text(), "100000000");
}

} // namespace
} // namespace norv::test
