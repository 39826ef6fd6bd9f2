// SPDX-License-Identifier: GPL-3.0-or-later
// The helpers' arithmetic: sizes and discs, clock readings and frame counts,
// the common frame rates, the second try, the plan as text and the encoder
// command lines. Each runs in the point and the comma notation; rows are
// written in the point notation and local() swaps the two separators.
#include "support/norv_fixture.h"

#include "planning/encoder_commands.h"
#include "planning/frame_rates.h"
#include "planning/lengths.h"
#include "planning/plan_text.h"
#include "planning/second_try.h"
#include "planning/sizes.h"
#include "planning/wording.h"

namespace norv::planning::test {
namespace {

class InBothNotations : public ::testing::TestWithParam<NumberLocale> {
protected:
    const NumberLocale& locale() const { return GetParam(); }
    std::string local(std::string text) const
    {
        if (locale().decimal == ",")
            for (char& c : text)
                c = c == '.' ? ',' : c == ',' ? '.' : c;
        return text;
    }
};

using E = InputError;

// What a row expects when the helper refuses, beside the texts it gives otherwise.
std::string refused(InputError error) { return "refused " + std::to_string(int(error)); }

template <class T, class Text>
std::string shown(const Result<T>& result, Text text)
{
    return result ? text(*result) : refused(result.error());
}

class Sizes : public InBothNotations {};

std::string typed(const Result<std::int64_t>& bytes) { return shown(bytes, bytesText); }

TEST_P(Sizes, ANumberInAUnitLessTheMarginGivesWholeBytesOrARefusal)
{
    using U = SizeUnit;
    // number, unit, margin (in the point notation), what `diskspace` gets
    const std::tuple<const char*, SizeUnit, const char*, std::string> rows[] = {
        {"700", U::MB, "", "700000000"}, {"700", U::MiB, "", "734003200"}, {"1.5", U::KiB, "", "1536"},
        {"2", U::GiB, " ", "2147483648"}, {"1,000", U::kB, "", "1000000"}, {" 123 ", U::Bytes, "", "123"},
        // Decimals with no exact binary form still give the bytes meant.
        {"8.2", U::MB, "", "8200000"}, {"1.005", U::kB, "", "1005"},
        // The margin comes off; a fraction of a byte left is dropped.
        {"700", U::MB, "2.5", "682500000"}, {"1001", U::Bytes, "50", "500"},
        {"999999999999999", U::Bytes, "", "999999999999999"}, {"1500", U::GB, "50", "750000000000"},
        {"", U::MB, "", refused(E::Empty)}, {"abc", U::MB, "", refused(E::NotANumber)},
        {"700 MB", U::MB, "", refused(E::NotANumber)}, {"1,5", U::MB, "", refused(E::NotANumber)},
        {"-1", U::MB, "", refused(E::Negative)}, {"0", U::GB, "", refused(E::Zero)},
        {"0.4", U::Bytes, "", refused(E::Zero)}, {"1", U::Bytes, "50", refused(E::Zero)},
        {"1e15", U::Bytes, "", refused(E::TooLarge)}, // would be written 1E+15
        {"1e400", U::kB, "", refused(E::TooLarge)}, {"1e300", U::GiB, "", refused(E::TooLarge)},
        {"700", U::MB, "100", refused(E::BadMargin)}, {"700", U::MB, "-1", refused(E::BadMargin)},
        {"700", U::MB, "5%", refused(E::BadMargin)},
    };
    for (const auto& [number, unit, margin, bytes] : rows)
        EXPECT_EQ(typed(sizeInBytes(local(number), unit, local(margin), locale())), bytes)
            << number << " margin " << margin;
}

TEST_P(Sizes, DiscsHoldTheirSmallestRecordableFormat)
{
    const std::pair<Disc, const char*> rows[] = {
        {Disc::Cd650, "681984000"},           {Disc::Cd700, "737280000"},
        {Disc::DvdSingleLayer, "4700372992"}, {Disc::DvdDualLayer, "8543666176"},
        {Disc::Bd25, "25025314816"},          {Disc::Bd50, "50050629632"},
    };
    for (const auto& [disc, bytes] : rows)
        EXPECT_EQ(typed(discInBytes(disc, "", locale())), bytes) << int(disc);
    EXPECT_EQ(typed(discInBytes(Disc::DvdSingleLayer, local("10"), locale())), "4230335692");
    EXPECT_EQ(typed(discInBytes(Disc::Cd700, "x", locale())), refused(E::BadMargin));
}

TEST(Messages, EveryRefusalSaysWhatIsWrongInBothLanguages)
{
    for (int e = 0; e <= int(InputError::UnknownContainer); ++e)
        EXPECT_NE(message(InputError(e), Language::Italian), message(InputError(e), Language::English)) << e;
}

NORV_BOTH_LOCALES(Sizes);

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

NORV_BOTH_LOCALES(Lengths);

class SecondTries : public InBothNotations {};

// difference, percent of the plan and target, or the refusal.
TEST_P(SecondTries, AFileOverThePlanGivesATargetAsFarUnder)
{
    const std::tuple<const char*, std::int64_t, std::string> rows[] = {
        {"700000000", 714000000, "14000000 2 686000000"},
        {"700000000", 686000000, "-14000000 -2 714000000"},
        {"700000000", 700000000, "0 0 700000000"},
        {"1000.5", 1000, "-0.5 -0.0499750124937531 1001"},
        {"1000", 1999, "999 99.9 1"},
        {"", 1000, refused(E::NoPlannedSize)}, {"0", 1000, refused(E::NoPlannedSize)},
        {"-5", 1000, refused(E::NoPlannedSize)}, {"700MB", 1000, refused(E::NoPlannedSize)},
        {"1000", 0, refused(E::Zero)}, {"1000", 2000, refused(E::TargetNotPositive)},
        {"1e20", 1000, refused(E::TooLarge)}, {"999999999999999", 999999999999990, refused(E::TooLarge)},
    };
    for (const auto& [planned, real, expected] : rows) {
        const auto got = shown(secondTry(local(planned), real, locale()), [&](const SecondTry& t) {
            return NumberText(t.difference, locale()) + " " + NumberText(t.percent, locale()) + " " +
                   std::to_string(t.target);
        });
        EXPECT_EQ(got, local(expected)) << planned << " " << real;
    }
}

TEST_P(SecondTries, TheArithmeticIsShownInTheLanguageAndNotation)
{
    const auto over = secondTry("700000000", 714280000, locale());
    ASSERT_TRUE(over);
    EXPECT_EQ(secondTryText(*over, Language::English, locale()),
              local("Planned disk space: 700000000 bytes\n"
                    "Real size: 714280000 bytes\n"
                    "Difference: 714280000 - 700000000 = +14280000 bytes (+2.04% of the plan)\n"
                    "Corrected target: 700000000 - 14280000 = 685720000 bytes\n"));
    const auto under = secondTry("700000000", 686000000, locale());
    EXPECT_EQ(secondTryText(*under, Language::Italian, locale()),
              "Spazio su disco pianificato: 700000000 bytes\n"
              "Dimensione reale: 686000000 bytes\n"
              "Differenza: 686000000 - 700000000 = -14000000 bytes (-2% del piano)\n"
              "Obiettivo corretto: 700000000 + 14000000 = 714000000 bytes\n");
}

NORV_BOTH_LOCALES(SecondTries);

PlanSnapshot englishPlan()
{
    PlanSnapshot p;
    p.diskspace = {"Diskspace", "734003200"};
    p.lenght = {"Lenght", "5400"};
    p.framerate = {"FPS", "25"};
    p.container = {"Container", "AVI"};
    p.overhead = {"Compute overhead", ""};
    p.overheadOn = true;
    p.proportions = {"Proprtions", "720", "576"};
    p.multiples = {"Size multiples", "16", "16"};
    p.properror = {"Proportion error", "0%"};
    p.fwidth = {"Width", "720"};
    p.fheight = {"Height", "576"};
    p.videoquality = {"Video Quality", "924.21"};
    p.qualityWarning = "No\nfigure";
    p.streamsLabel = "Stream";
    p.rows = {
        {"Video", "100%", "952058", "bit/s", ""},
        {"Audio", "", "128000", "bit/s", ""},
        {"Audio", "", "43200000", "bytes", ""},
        {"Subtitles", "", "2000\t00", "bytes", "Too small\tby 5 bytes"},
    };
    return p;
}

// The labels as the window shows them carry the language.
TEST(PlanText, EveryFieldAndRowOnItsOwnTabSeparatedLineWithItsUnit)
{
    EXPECT_EQ(planText(englishPlan()),
              "Diskspace\t734003200\tbytes\n"
              "Lenght\t5400\ts\n"
              "FPS\t25\tfps\n"
              "Container\tAVI\n"
              "Compute overhead\t1\n"
              "Proprtions\t720\t576\n"
              "Size multiples\t16\t16\tpixel\n"
              "Proportion error\t0%\n"
              "Width\t720\tpixel\n"
              "Height\t576\tpixel\n"
              "Video Quality\t924.21\tbit / (pixel * fps) [x 10000]\tNo figure\n"
              "Stream\n"
              "Video\t100%\t952058\tbit/s\n"
              "Audio\t\t128000\tbit/s\n"
              "Audio\t\t43200000\tbytes\n"
              "Subtitles\t\t2000 00\tbytes\tToo small by 5 bytes\n");
}

class Commands : public InBothNotations {};

TEST_P(Commands, TwoPassLinesAtThePlannedBitratesForEachContainer)
{
    PlanSnapshot p = englishPlan();
    p.rows[1].size = local("128000.9"); // written with the user's decimal: rounded down
    EXPECT_EQ(*encoderCommands(p, Language::English, locale()),
              "# Two-pass encode with ffmpeg: MPEG-4 part 2 video (mpeg4) and MP3 audio (libmp3lame) "
              "in AVI. Replace INPUT and OUTPUT with the file names.\n"
              "ffmpeg -i INPUT -map 0:v:0 -c:v mpeg4 -b:v 952058 -pass 1 -passlogfile OUTPUT -an "
              "-f null /dev/null\n"
              "ffmpeg -i INPUT -map 0:v:0 -map 0:a:0 -map 0:a:1 -c:v mpeg4 -b:v 952058 -pass 2 "
              "-passlogfile OUTPUT -c:a:0 libmp3lame -b:a:0 128000 -c:a:1 libmp3lame -b:a:1 64000 "
              "OUTPUT.avi\n");

    p.container.text = "OGM";
    p.rows = {{"Audio", "", "96000", "bit/s", ""}, {"Video", "100%", "1000000", "bit/s", ""}};
    EXPECT_EQ(*encoderCommands(p, Language::Italian, locale()),
              "# Codifica in due passate con ffmpeg: video Theora (libtheora) e audio Vorbis (libvorbis) "
              "in Ogg. Sostituisci INPUT e OUTPUT con i nomi dei file.\n"
              "ffmpeg -i INPUT -map 0:v:0 -c:v libtheora -b:v 1000000 -pass 1 -passlogfile OUTPUT -an "
              "-f null /dev/null\n"
              "ffmpeg -i INPUT -map 0:v:0 -map 0:a:0 -c:v libtheora -b:v 1000000 -pass 2 "
              "-passlogfile OUTPUT -c:a:0 libvorbis -b:a:0 96000 OUTPUT.ogg\n");

    // A size cell's fraction counts in the user's notation: 10.5 bytes over 4 s is 21 bit/s.
    p.lenght.text = "4";
    p.rows[0] = {"Audio", "", local("10.5"), "bytes", ""};
    EXPECT_NE(encoderCommands(p, Language::English, locale())->find("-b:a:0 21 "), std::string::npos);
}

TEST_P(Commands, APlanWithoutBitratesOrContainerGivesNoLines)
{
    const auto error = [&](auto change) {
        PlanSnapshot p = englishPlan();
        change(p);
        const auto got = encoderCommands(p, Language::English, locale());
        return got ? InputError(-1) : got.error();
    };
    EXPECT_EQ(error([](PlanSnapshot& p) { p.container.text = ""; }), InputError::UnknownContainer);
    EXPECT_EQ(error([](PlanSnapshot& p) { p.rows[0].size = ""; }), InputError::NoBitrate);
    EXPECT_EQ(error([](PlanSnapshot& p) { p.rows[0].size = "-3739889"; }), InputError::NoBitrate);
    EXPECT_EQ(error([](PlanSnapshot& p) { p.rows.erase(p.rows.begin()); }), InputError::NoBitrate);
    EXPECT_EQ(error([](PlanSnapshot& p) { p.lenght.text = "0"; }), InputError::NoBitrate);
    EXPECT_EQ(error([](PlanSnapshot& p) { p.rows[1].size = "1e400"; }), InputError::TooLarge);
}

NORV_BOTH_LOCALES(Commands);

} // namespace
} // namespace norv::planning::test
