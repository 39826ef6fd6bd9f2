// SPDX-License-Identifier: GPL-3.0-or-later
// The plan as tab-separated text, and the encoder command lines for its bitrates.
#include "notation.h"

#include "planning/encoder_commands.h"
#include "planning/plan_text.h"

namespace norv::planning::test {
namespace {

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

NORV_IN_BOTH_NOTATIONS(Commands);

} // namespace
} // namespace norv::planning::test
