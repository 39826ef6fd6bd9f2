// SPDX-License-Identifier: GPL-3.0-or-later
// The libFuzzer entry: any broken invariant is a crash the fuzzer keeps.
#include "action_script.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const norv::fuzz::Outcome outcome = norv::fuzz::run({data, size});
    if (!outcome.violation.empty()) {
        std::fprintf(stderr, "broken invariant after %d actions: %s\n", outcome.actions,
                     outcome.violation.c_str());
        std::abort();
    }
    return 0;
}
