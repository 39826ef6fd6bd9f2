// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace norv {

// A value that holds a number or nothing: nothing counts as 0 in arithmetic
// and as false in a test.
class MaybeNumber {
public:
    MaybeNumber() = default;
    MaybeNumber(double v) : m_v(v) {} // NOLINT(google-explicit-constructor)

    bool empty() const { return !m_v.has_value(); }
    double number() const { return m_v.value_or(0.0); }
    // The condition test: false when empty or 0.
    explicit operator bool() const { return m_v.has_value() && *m_v != 0.0; }

    friend bool operator==(const MaybeNumber&, const MaybeNumber&) = default;

private:
    std::optional<double> m_v;
};

} // namespace norv
