// SPDX-License-Identifier: GPL-3.0-or-later
#include "lengths.h"

#include "reading.h"

#include <cmath>
#include <vector>

namespace norv::planning {

namespace {

// Seconds that a field can hold as typed.
Result<double> inField(double seconds)
{
    if (seconds > kLargestFieldValue)
        return InputError::TooLarge;
    if (seconds <= 0.0)
        return InputError::Zero;
    return seconds;
}

std::vector<std::string_view> clockParts(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (std::size_t colon; (colon = text.find(':')) != std::string_view::npos;) {
        parts.push_back(text.substr(0, colon));
        text.remove_prefix(colon + 1);
    }
    parts.push_back(text);
    return parts;
}

} // namespace

Result<double> clockSeconds(std::string_view text, const NumberLocale& locale)
{
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return InputError::Empty;
    const std::vector<std::string_view> parts = clockParts(text);
    if (parts.size() > 3)
        return InputError::BadClock;

    double seconds = 0.0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Result<double> part = readNonNegative(parts[i], locale);
        if (!part)
            return part.error() == InputError::Empty ? InputError::BadClock : part.error();
        const bool last = i + 1 == parts.size();
        if (!last && *part != std::floor(*part))
            return InputError::BadClock;
        if (i > 0 && *part >= 60.0)
            return InputError::ClockOutOfRange;
        seconds = seconds * 60.0 + *part;
    }
    return inField(seconds);
}

Result<double> framesSeconds(std::string_view frames, std::string_view frameRate,
                             const NumberLocale& locale)
{
    const Result<double> count = readNonNegative(frames, locale);
    if (!count)
        return count.error();
    if (*count != std::floor(*count))
        return InputError::NotWholeFrames;
    const Result<double> rate = readNumber(frameRate, locale);
    if (!rate || !(*rate > 0.0))
        return InputError::NoFrameRate;
    return inField(*count / *rate);
}

} // namespace norv::planning
