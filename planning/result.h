// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>
#include <variant>

namespace norv::planning {

// Why a helper gives no value. The window shows message(error, language)
// (wording.h) and leaves the plan as it is.
enum class InputError {
    Empty,             // nothing typed
    NotANumber,        // not a number in the user's notation
    Negative,
    Zero,              // comes to nothing: no plan can use it
    TooLarge,          // beyond what a field holds as a plain whole number
    BadMargin,         // the safety margin is not a percent in 0..<100
    BadClock,          // not h:mm:ss, m:ss or seconds
    ClockOutOfRange,   // minutes or seconds of 60 or more after a larger part
    NotWholeFrames,
    NoFrameRate,       // the frame rate is not a number above 0
    NoPlannedSize,     // the disk space is not a number above 0
    TargetNotPositive, // the real file is twice the plan or more
    NoBitrate,         // a video or audio row has no bitrate above 0 yet
    UnknownContainer,  // command lines exist for AVI and OGM only
};

// A value, or the reason there is none.
template <class T>
class Result {
public:
    Result(T value) : m_v(std::move(value)) {}         // NOLINT(google-explicit-constructor)
    Result(InputError error) : m_v(error) {}           // NOLINT(google-explicit-constructor)

    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<0>(m_v); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    InputError error() const { return std::get<1>(m_v); }

private:
    std::variant<T, InputError> m_v;
};

// The largest count a field takes as typed: NumberText writes whole numbers
// from 10^15 up in exponent form, which the field would then hold instead.
inline constexpr double kLargestFieldValue = 999999999999999.0;

} // namespace norv::planning
