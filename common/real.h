// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run_time_error.h"

#include <cmath>
#include <compare>

namespace norv {

// A double whose every operation is checked: a division by zero (0/0 too)
// raises DivisionByZero, an infinite or not-a-number result raises Overflow.
// Formulas keep their written order of operations, each rounded to double.
class Real {
public:
    constexpr Real(double v = 0.0) : m_v(v) {} // NOLINT(google-explicit-constructor)
    constexpr double value() const { return m_v; }

    friend Real operator+(Real a, Real b) { return checked(a.m_v + b.m_v); }
    friend Real operator-(Real a, Real b) { return checked(a.m_v - b.m_v); }
    friend Real operator*(Real a, Real b) { return checked(a.m_v * b.m_v); }
    friend Real operator/(Real a, Real b)
    {
        if (b.m_v == 0.0)
            throw RunTimeError(RunTimeError::DivisionByZero);
        return checked(a.m_v / b.m_v);
    }
    friend Real operator-(Real a) { return Real(-a.m_v); }
    Real& operator+=(Real b) { return *this = *this + b; }

    friend bool operator==(Real a, Real b) { return a.m_v == b.m_v; }
    friend std::partial_ordering operator<=>(Real a, Real b) { return a.m_v <=> b.m_v; }

    static Real checked(double v)
    {
        if (!std::isfinite(v))
            throw RunTimeError(RunTimeError::Overflow);
        return Real(v);
    }

private:
    double m_v;
};

} // namespace norv
