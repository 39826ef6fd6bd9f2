// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/run_time_error.h"

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

} // namespace norv::test
