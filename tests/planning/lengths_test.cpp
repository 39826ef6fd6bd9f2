// SPDX-License-Identifier: GPL-3.0-or-later
// Running lengths as clock readings or frame counts, and the common frame rates.
#include "notation.h"

#include "planning/frame_rates.h"
#include "planning/lengths.h"

namespace norv::planning::test {
namespace {

class Lengths : public InBothNotations {
protected:
    // The seconds as the window types them into `lenght`.
    std::string typed(const Result<double>& seconds) const
    {
        return shown(seconds, [&](double s) { return NumberText(s, locale()); });
    }
};

TEST_P(Lengths, ClockReadingsGiveSecondsOrARefusal)
{
    using E = InputError;
    const std::pair<const char*, std::string> rows[] = {
        {"1:30:00", "5400"}, {"90:00", "5400"}, {"5400", "5400"}, {" 1 : 30 : 00 ", "5400"},
        {"1:02:03.25", "3723.25"}, {"0:59:59.999", "3599.999"}, {"1,000:00:00", "3600000"},
        {"", refused(E::Empty)}, {"1h30", refused(E::NotANumber)}, {"0:00", refused(E::Zero)},
        {"1:30:00:00", refused(E::BadClock)}, {"1.5:00", refused(E::BadClock)},
        {"1::00", refused(E::BadClock)}, {"1:30:", refused(E::BadClock)},
        {"1:60:00", refused(E::ClockOutOfRange)}, {"1:00:60", refused(E::ClockOutOfRange)},
        {"0:60.5", refused(E::ClockOutOfRange)}, {"-1:00", refused(E::Negative)},
        {"1:-5", refused(E::Negative)}, {"277777777778:00:00", refused(E::TooLarge)},
    };
    for (const auto& [clock, seconds] : rows)
        EXPECT_EQ(typed(clockSeconds(local(clock), locale())), local(seconds)) << clock;
    // The other notation's decimal separator is not this one's.
    EXPECT_FALSE(clockSeconds(locale().decimal == "." ? "1:30:00,5" : "1:30:00.5", locale()));
}

TEST_P(Lengths, FramesAtTheFrameRateGiveSecondsOrARefusal)
{
    using E = InputError;
    const std::string ntsc = frameRateText(kFrameRates[0], locale()); // 24000/1001
    EXPECT_EQ(typed(framesSeconds("24000", ntsc, locale())), "1001");
    const std::tuple<const char*, const char*, std::string> rows[] = {
        {"135000", "25", "5400"}, {"1", "0.5", "2"},
        {"", "25", refused(E::Empty)}, {"many", "25", refused(E::NotANumber)},
        {"-1", "25", refused(E::Negative)}, {"1.5", "25", refused(E::NotWholeFrames)},
        {"0", "25", refused(E::Zero)}, {"100", "0", refused(E::NoFrameRate)},
        {"100", "-25", refused(E::NoFrameRate)}, {"100", "fps", refused(E::NoFrameRate)},
        {"1e300", "1e-300", refused(E::TooLarge)},
    };
    for (const auto& [frames, rate, seconds] : rows)
        EXPECT_EQ(typed(framesSeconds(local(frames), local(rate), locale())), seconds) << frames << " at " << rate;
}

// Each rate as its menu entry and as the one edit written into `framerate`,
// which reads back as the fraction to Norv's fifteen digits.
TEST_P(Lengths, FrameRatesAreExactFractionsWrittenInTheUsersNotation)
{
    const std::pair<const char*, const char*> rows[] = {
        {"23.976 (24000/1001)", "23.976023976024"}, {"24", "24"}, {"25", "25"},
        {"29.97 (30000/1001)", "29.97002997003"},   {"30", "30"}, {"50", "50"},
        {"59.94 (60000/1001)", "59.9400599400599"}, {"60", "60"},
    };
    ASSERT_EQ(std::size(rows), kFrameRates.size());
    for (std::size_t i = 0; i < kFrameRates.size(); ++i) {
        EXPECT_EQ(frameRateLabel(kFrameRates[i], locale()), local(rows[i].first));
        EXPECT_EQ(frameRateText(kFrameRates[i], locale()), local(rows[i].second));
        EXPECT_NEAR(LocaleNumber(local(rows[i].second), locale()), kFrameRates[i].value(), 1e-12);
    }
}

NORV_IN_BOTH_NOTATIONS(Lengths);

} // namespace
} // namespace norv::planning::test
