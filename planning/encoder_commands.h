// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plan_text.h"
#include "result.h"
#include "wording.h"

#include "common/numbers.h"

#include <string>

namespace norv::planning {

// Two-pass command lines for Debian's ffmpeg at the plan's bitrates: the
// video row's bitrate for the video, each audio row's for its audio track in
// list order (the input's audio tracks in that order); subtitle rows are not
// encoded. A row sized in bytes is spread over the length.
// - AVI: MPEG-4 part 2 video (mpeg4) and MP3 audio (libmp3lame), OUTPUT.avi;
// - OGM: Theora video (libtheora) and Vorbis audio (libvorbis) in Ogg,
//   OUTPUT.ogg (ffmpeg writes Ogg, the container OGM files are a kind of).
// INPUT and OUTPUT are placeholders; the first line, a shell comment, says
// which codecs the lines assume. Bitrates are whole bit/s, rounded down.
// Errors: UnknownContainer, NoBitrate, TooLarge.
Result<std::string> encoderCommands(const PlanSnapshot& plan, Language language,
                                    const NumberLocale& locale);

} // namespace norv::planning
