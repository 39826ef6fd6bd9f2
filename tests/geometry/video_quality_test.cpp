// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/geometry_setup.h"

#include <functional>
#include <string>
#include <vector>

namespace norv::test {
namespace {

// Ratio 720:576, multiples 16, 25 fps and a video stream of 1000000 bit/s.
class QualityFigure : public BothLocales {
protected:
    void SetUp() override
    {
        Norv_main& m = norv.start();
        useMultiplesOf16(m);
        addVideoMegabit(norv);
        ASSERT_TRUE(m.videoquality.enabled());
    }

    void expectFrame(const std::string& width, const std::string& height, int widthSlider,
                     int heightSlider)
    {
        Norv_main& m = norv.main();
        EXPECT_EQ(m.fwidth.text(), width);
        EXPECT_EQ(m.fheight.text(), height);
        EXPECT_EQ(m.fwidths.value(), widthSlider);
        EXPECT_EQ(m.fheights.value(), heightSlider);
    }
};

TEST_P(QualityFigure, TypedFigureGivesTheFrameTheBitrateAllows)
{
    Norv_main& m = norv.main();
    m.videoquality.setFocus();

    m.videoquality.setText(norv.dec("1220.703125"));
    expectFrame("640", "512", 40, 32);
    EXPECT_EQ(m.videoqualitys.value(), 1221);
    EXPECT_EQ(m.videoquality.text(), norv.dec("1220.703125")); // kept as typed
    EXPECT_EQ(m.properror.text(), "0%");

    // No figure: nothing moves.
    m.videoquality.setText("0");
    expectFrame("640", "512", 40, 32);
    EXPECT_EQ(m.videoqualitys.value(), 1221);

    // Beyond the slider: the frame still follows, the slider stops at its end.
    m.videoquality.setText("20000");
    expectFrame("160", "128", 10, 8);
    EXPECT_EQ(m.videoqualitys.value(), 10000);
    EXPECT_EQ(m.videoquality.text(), "20000");
}

TEST_P(QualityFigure, SliderSetsTheFrameAndWritesItsFigure)
{
    Norv_main& m = norv.main();
    std::vector<std::int32_t> focusSeenByTheField;
    m.videoquality.Change = [&m, &focusSeenByTheField, original = m.videoquality.Change] {
        focusSeenByTheField.push_back(m.hasfocus);
        original();
    };

    m.videoqualitys.userFocus();
    m.videoqualitys.userMove(1015);

    expectFrame("704", "560", 44, 35);
    EXPECT_EQ(m.videoqualitys.value(), 1015);
    EXPECT_EQ(m.videoquality.text(), "1015");
    EXPECT_EQ(m.properror.text(), norv.dec("-0.57") + "%");
    // The figure written by the slider ran the field's handler once, under the
    // slider's focus code, so the field's own rule did not run.
    EXPECT_EQ(focusSeenByTheField, std::vector<std::int32_t>{Norv_main::FocusQualitySlider});
}

// Inputs the rules cannot compute, entered by the user: the error window
// reports the error, what was written before it stays, and Norv goes on.
TEST_P(QualityFigure, UncomputableInputsAreReportedAndNorvGoesOn)
{
    using Step = std::function<void(Norv&)>;
    struct Row {
        std::string name;
        Step action;
        std::string description;
        std::function<std::string(Norv_main&)> kept; // a text written before the error
        std::string keptText;
        Step mend; // what the user puts right before the next edit
    };
    const auto multiple = [](Norv_main& m) { return m.xdivisible.text(); };
    const Step mendMultiple = [](Norv& n) { n.main().xdivisible.userEdit("16"); };
    const std::vector<Row> rows = {
        {"multiple with letters", [](Norv& n) { n.main().xdivisible.userEdit("16px"); },
         "Type mismatch", multiple, "16px", mendMultiple},
        {"multiple rounding to 0", [](Norv& n) { n.main().xdivisible.userEdit(n.dec("0.3")); },
         "Division by zero", multiple, "0.3", mendMultiple},
        {"negative ratio",
         [](Norv& n) {
             n.main().prop1.userEdit("-720");
             n.main().videoquality.userFocus();
             n.main().videoquality.userEdit("1000");
         },
         "Invalid procedure call or argument",
         [](Norv_main& m) { return m.videoquality.text(); }, "1000",
         [](Norv& n) { n.main().prop1.userEdit("720"); }},
        {"width beyond 32 bits",
         [](Norv& n) {
             n.main().fwidth.userFocus();
             n.main().fwidth.userEdit("1E+11");
         },
         "Overflow", [](Norv_main& m) { return m.fwidth.text(); }, "100000000000",
         [](Norv&) {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Norv run(GetParam());
        Norv_main& m = run.start();
        useMultiplesOf16(m);
        addVideoMegabit(run);

        row.action(run);

        EXPECT_EQ(run.shownError(), "Errore di Run-time: " + row.description);
        EXPECT_EQ(row.kept(m), run.dec(row.keptText));
        EXPECT_TRUE(run.app.running());
        EXPECT_TRUE(m.visible());

        // The user dismisses the message, mends the input and edits the width again.
        run.app.find<Norv_error>()->Riprendi.userClick();
        row.mend(run);
        m.fwidth.userFocus();
        m.fwidth.userEdit("700");
        EXPECT_EQ(run.shownError(), "");
        EXPECT_EQ(m.fwidth.text(), "704");
        EXPECT_EQ(m.fheight.text(), "560");
        EXPECT_EQ(m.fwidths.value(), 44);
        EXPECT_EQ(m.fheights.value(), 35);
        EXPECT_EQ(m.videoquality.text(), run.dec("1014.61038961039"));
    }
}

NORV_BOTH_LOCALES(QualityFigure);

} // namespace
} // namespace norv::test
