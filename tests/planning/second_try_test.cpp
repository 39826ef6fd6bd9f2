// SPDX-License-Identifier: GPL-3.0-or-later
// The second try: the measured error and the target that takes it back.
#include "notation.h"

#include "planning/second_try.h"

namespace norv::planning::test {
namespace {

class SecondTries : public InBothNotations {};

// difference, percent of the plan and target, or the refusal.
TEST_P(SecondTries, AFileOverThePlanGivesATargetAsFarUnder)
{
    using E = InputError;
    const std::tuple<const char*, std::int64_t, std::string> rows[] = {
        {"700000000", 714000000, "14000000 2 686000000"},
        {"700000000", 686000000, "-14000000 -2 714000000"},
        {"700000000", 700000000, "0 0 700000000"},
        {"1000.5", 1000, "-0.5 -0.0499750124937531 1001"},
        {"1000", 1999, "999 99.9 1"},
        {"", 1000, refused(E::NoPlannedSize)}, {"0", 1000, refused(E::NoPlannedSize)},
        {"-5", 1000, refused(E::NoPlannedSize)}, {"700MB", 1000, refused(E::NoPlannedSize)},
        {"1000", 0, refused(E::Zero)}, {"1000", 2000, refused(E::TargetNotPositive)},
        {"1e20", 1000, refused(E::TooLarge)}, {"999999999999999", 999999999999990, refused(E::TooLarge)},
    };
    for (const auto& [planned, real, expected] : rows) {
        const auto got = shown(secondTry(local(planned), real, locale()), [&](const SecondTry& t) {
            return NumberText(t.difference, locale()) + " " + NumberText(t.percent, locale()) + " " +
                   std::to_string(t.target);
        });
        EXPECT_EQ(got, local(expected)) << planned << " " << real;
    }
}

TEST_P(SecondTries, TheArithmeticIsShownInTheLanguageAndNotation)
{
    const auto over = secondTry("700000000", 714280000, locale());
    ASSERT_TRUE(over);
    EXPECT_EQ(secondTryText(*over, Language::English, locale()),
              local("Planned disk space: 700000000 bytes\n"
                    "Real size: 714280000 bytes\n"
                    "Difference: 714280000 - 700000000 = +14280000 bytes (+2.04% of the plan)\n"
                    "Corrected target: 700000000 - 14280000 = 685720000 bytes\n"));
    const auto under = secondTry("700000000", 686000000, locale());
    EXPECT_EQ(secondTryText(*under, Language::Italian, locale()),
              "Spazio su disco pianificato: 700000000 bytes\n"
              "Dimensione reale: 686000000 bytes\n"
              "Differenza: 686000000 - 700000000 = -14000000 bytes (-2% del piano)\n"
              "Obiettivo corretto: 700000000 + 14000000 = 714000000 bytes\n");
}

NORV_IN_BOTH_NOTATIONS(SecondTries);

} // namespace
} // namespace norv::planning::test
