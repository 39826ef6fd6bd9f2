// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include "common/numbers.h"

#include <string_view>

namespace norv::planning {

// Running lengths as people say them, turned into the seconds that `lenght`
// takes; the window types NumberText(seconds) into the field.

// A clock reading: h:mm:ss, m:ss or plain seconds, each part a number in the
// user's notation (the seconds may carry a fraction, 1:30:00.5 or 1:30:00,5).
// The first part may be as large as it likes (90:00 is 5400 seconds); the
// minutes and seconds after it stay below 60; hours and minutes are whole.
// Errors: Empty, NotANumber, Negative, BadClock, ClockOutOfRange, Zero, TooLarge.
Result<double> clockSeconds(std::string_view text, const NumberLocale& locale);

// A whole number of frames at a frame rate (the `framerate` text as it
// stands), in seconds. Errors: Empty, NotANumber, Negative, NotWholeFrames,
// Zero, NoFrameRate, TooLarge.
Result<double> framesSeconds(std::string_view frames, std::string_view frameRate,
                             const NumberLocale& locale);

} // namespace norv::planning
