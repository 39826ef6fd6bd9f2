// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/numbers.h"
#include "common/run_time_error.h"

#include <string>

namespace norv::test {

// The number of the run-time error that f raises, 0 when it raises none.
template <class F>
int raised(F&& f)
{
    try {
        f();
    } catch (const RunTimeError& error) {
        return error.number();
    }
    return 0;
}

// A number text written with the point as decimal and the comma as group
// separator, rewritten into the given locale's notation.
inline std::string inLocale(std::string text, const NumberLocale& locale)
{
    if (locale.decimal == ".")
        return text;
    for (char& c : text)
        c = c == '.' ? ',' : c == ',' ? '.' : c;
    return text;
}

} // namespace norv::test
