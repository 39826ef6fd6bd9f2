// SPDX-License-Identifier: GPL-3.0-or-later
// The seed corpus and every input the fuzzer ever broke, replayed in the
// ordinary test run: each keeps every invariant.
#include "action_script.h"
#include "seeds.h"

#include <gtest/gtest.h>

namespace norv::fuzz {
namespace {

class Seeds : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(Seeds, KeepEveryInvariant)
{
    const auto& [name, script] = GetParam();
    const Outcome outcome = run(compile(script));
    EXPECT_EQ(outcome.violation, "");
    EXPECT_GT(outcome.actions, 5);
    // Only the errors seed means to raise run-time errors: 16px, 0.3, a negative ratio.
    if (name == "errors")
        EXPECT_GE(outcome.errors, 3);
    else
        EXPECT_EQ(outcome.errors, 0);
}

INSTANTIATE_TEST_SUITE_P(Corpus, Seeds, ::testing::ValuesIn(seeds()),
                         [](const auto& info) { return info.param.first; });

TEST(Inputs, GarbageNeverBreaksAnInvariant)
{
    // Every byte sequence is a valid input; a few fixed ones as a floor.
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.push_back(std::uint8_t((i * 2654435761u) >> 13));
    EXPECT_EQ(run(bytes).violation, "");
    EXPECT_EQ(run({}).violation, "");
}

} // namespace
} // namespace norv::fuzz
