// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder_commands.h"

#include "reading.h"

#include "common/run_time_error.h"

#include <cmath>
#include <vector>

namespace norv::planning {

namespace {

struct Codecs {
    const char* video;
    const char* audio;
    const char* extension;
    Wording comment;
};

// The row's bitrate in whole bit/s, read as every reader of a cell reads it.
Result<std::int64_t> rowBitrate(const PlanSnapshot::Row& row, const PlanSnapshot& plan,
                                const Numbers& numbers)
{
    double bitrate = 0.0;
    try {
        bitrate = numbers.LeadingNumber(row.size);
    } catch (const RunTimeError&) {
        return InputError::TooLarge;
    }
    if (row.unit == "bytes") {
        const Result<double> length = readNumber(plan.lenght.text, numbers.locale());
        if (!length || !(*length > 0.0))
            return InputError::NoBitrate;
        bitrate = bitrate * 8.0 / *length;
    }
    if (!(bitrate >= 1.0))
        return InputError::NoBitrate;
    if (bitrate > kLargestFieldValue)
        return InputError::TooLarge;
    return std::int64_t(std::floor(bitrate));
}

} // namespace

Result<std::string> encoderCommands(const PlanSnapshot& plan, Language language,
                                    const NumberLocale& locale)
{
    Codecs codecs{};
    if (plan.container.text == "AVI")
        codecs = {"mpeg4", "libmp3lame", "avi", Wording::AviCommands};
    else if (plan.container.text == "OGM")
        codecs = {"libtheora", "libvorbis", "ogg", Wording::OggCommands};
    else
        return InputError::UnknownContainer;

    const Numbers numbers(locale);
    std::string video;
    std::vector<std::string> audio;
    for (const PlanSnapshot::Row& row : plan.rows) {
        if (row.type != "Video" && row.type != "Audio")
            continue;
        const Result<std::int64_t> bitrate = rowBitrate(row, plan, numbers);
        if (!bitrate)
            return bitrate.error();
        if (row.type == "Audio")
            audio.push_back(std::to_string(*bitrate));
        else // the only video row
            video = std::to_string(*bitrate);
    }
    if (video.empty())
        return InputError::NoBitrate;

    const std::string videoArgs = std::string("-c:v ") + codecs.video + " -b:v " + video;
    std::string maps = "-map 0:v:0";
    std::string audioArgs;
    for (std::size_t i = 0; i < audio.size(); ++i) {
        const std::string n = std::to_string(i);
        maps += " -map 0:a:" + n;
        audioArgs += " -c:a:" + n + " " + codecs.audio + " -b:a:" + n + " " + audio[i];
    }
    return "# " + words(codecs.comment, language) + "\n" +
           "ffmpeg -i INPUT -map 0:v:0 " + videoArgs + " -pass 1 -passlogfile OUTPUT -an -f null /dev/null\n" +
           "ffmpeg -i INPUT " + maps + " " + videoArgs + " -pass 2 -passlogfile OUTPUT" + audioArgs +
           " OUTPUT." + codecs.extension + "\n";
}

} // namespace norv::planning
