// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/numbers.h"
#include "planning/result.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace norv {
inline void PrintTo(const NumberLocale& locale, std::ostream* os) { *os << "decimal " << locale.decimal; }
} // namespace norv

namespace norv::planning::test {

// Runs a test once in the point and once in the comma notation. Rows are
// written in the point notation; local() swaps the two separators.
class InBothNotations : public ::testing::TestWithParam<NumberLocale> {
protected:
    const NumberLocale& locale() const { return GetParam(); }
    std::string local(std::string text) const
    {
        if (locale().decimal == ",")
            for (char& c : text)
                c = c == '.' ? ',' : c == ',' ? '.' : c;
        return text;
    }
};

// What a row expects when the helper refuses, beside the texts it gives otherwise.
inline std::string refused(InputError error) { return "refused " + std::to_string(int(error)); }

template <class T, class Text>
std::string shown(const Result<T>& result, Text text)
{
    return result ? text(*result) : refused(result.error());
}

#define NORV_IN_BOTH_NOTATIONS(suite)                                                              \
    INSTANTIATE_TEST_SUITE_P(Notations, suite,                                                     \
                             ::testing::Values(::norv::NumberLocale::point(),                      \
                                               ::norv::NumberLocale::comma()),                     \
                             [](const auto& info) {                                                \
                                 return std::string(info.param.decimal == "," ? "comma" : "point"); \
                             })

} // namespace norv::planning::test
