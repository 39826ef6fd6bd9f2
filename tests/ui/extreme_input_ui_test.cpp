// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs the rules cannot compute or barely can, pasted into the real widgets:
// megabytes, numbers at the edge of the double range, texts the rules cannot
// read. Each either computes or is reported in the error window, and Norv
// goes on. (A hundred streams: streams_ui_test.cpp.)
#include "widget_harness.h"

#include <algorithm>

namespace norv::test {
namespace {

// The text of a step "field=text": '.' stands for the locale's decimal
// separator, "1MB" for a megabyte of digits.
QString textOf(const QString& step)
{
    const QString text = step.section('=', 1);
    return text == "1MB" ? megabyteOf("1234567890") : UiNorv::dec(text);
}

QLineEdit* fieldOf(const QString& step) { return field(step.section('=', 0, 0).toLatin1().constData()); }

// Pastes each step, where "video=unit" adds a video row of 1000000 in that
// unit; then the field of `shown`, by default of the last step, shows its
// text as far as a line edit holds it.
void run(Norv_main& m, const char* steps, const char* shown)
{
    for (const QString& step : QString(steps).split(' ')) {
        if (step.startsWith("video="))
            addVideoRow(m, "1000000", step.section('=', 1).toLatin1().constData());
        else
            paste(fieldOf(step), textOf(step));
    }
    const QString last = shown ? QString(shown) : QString(steps).section(' ', -1);
    EXPECT_EQ(fieldOf(last)->text(), textOf(last).left(fieldOf(last)->maxLength())) << last.left(40).toStdString();
}

struct Extreme {
    const char* input;
    const char* error;     // null: it computes
    const char* shown;     // a field's text after the input; null: the last one pasted
    const char* correction;
    const char* corrected = nullptr; // a field's text after the correction; null: the last one pasted
};

class ExtremeValueUi : public ::testing::TestWithParam<Extreme> {};

TEST_P(ExtremeValueUi, ComputesOrReportsAndACorrectEditWorks)
{
    const Extreme& e = GetParam();
    UiNorv norv;
    // Action: the input. Expected: the error window or none; the field keeps the text.
    run(norv.model(), e.input, e.shown);
    EXPECT_EQ(shownError(), runTimeError(e.error));
    if (e.error)
        resume();
    // Action: a correct edit. Expected: it works as ever.
    run(norv.model(), e.correction, e.corrected);
    EXPECT_EQ(shownError(), "");
    EXPECT_EQ(slider("fwidths")->value(), norv.model().fwidths.value());
}

const Extreme kExtremes[] = {
    // A megabyte pasted into each kind of field (the height's mirror the
    // width's); where nothing reads it yet, it waits for the next refresh cycle.
    {"diskspace=1MB", nullptr, nullptr, "diskspace=5"}, {"lenght=1MB", "Overflow", nullptr, "lenght=5"},
    {"framerate=1MB", "Overflow", nullptr, "framerate=5"}, {"prop1=1MB", nullptr, nullptr, "prop1=5"},
    {"xdivisible=1MB", "Overflow", nullptr, "xdivisible=5"}, {"fwidth=1MB", "Overflow", nullptr, "fwidth=5"},
    {"video=bit/s videoquality=1MB", "Overflow", nullptr, "videoquality=5"},
    {"fwidth=-0", nullptr, "fwidth=0", "fwidth=720", "fheight=576"},
    {"lenght=&HFFFFFFFF", nullptr, "lenght=4294967295", "lenght=60"},
    // 0.4 s rounds to no whole second: a size in bytes counts no bitrate.
    {"video=bytes lenght=0.4", nullptr, nullptr, "lenght=0.6", "videoquality=7716.04938271605"},
    {"xdivisible=4:3", "Type mismatch", nullptr, "xdivisible=16", "fwidth=720"},
    {"ydivisible=16px", "Type mismatch", nullptr, "ydivisible=16", "fheight=576"},
    {"xdivisible=0.3", "Division by zero", nullptr, "xdivisible=16", "fwidth=720"},
    {"prop1=4:3 fwidth=704", "Type mismatch", "prop1=4:3", "prop1=4 prop2=3 fwidth=720", "fheight=540"},
    {"prop2=16px fwidth=704", "Type mismatch", "prop2=16px", "prop2=576 fwidth=720", "fheight=576"},
    {"video=bit/s prop1=-720 videoquality=1000", "Invalid procedure call or argument", nullptr,
     "prop1=720 fwidth=704", "fheight=563"},
    // 3000000000 pixels are more multiples of 1 than a 32-bit slider holds.
    {"fwidth=3000000000", "Overflow", nullptr, "fwidth=720"},
};

INSTANTIATE_TEST_SUITE_P(Inputs, ExtremeValueUi, ::testing::ValuesIn(kExtremes), [](const auto& info) {
    std::string name = info.param.input; // named after its input, as far as a test name can be
    std::replace_if(name.begin(), name.end(), [](char c) { return !QChar(c).isLetterOrNumber(); }, '_');
    return name;
});

} // namespace
} // namespace norv::test
