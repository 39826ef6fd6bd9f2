// SPDX-License-Identifier: GPL-3.0-or-later
// Sizes and discs as people say them, to the bytes `diskspace` takes.
#include "notation.h"

#include "planning/sizes.h"
#include "planning/wording.h"

namespace norv::planning::test {
namespace {

class Sizes : public InBothNotations {};

std::string typed(const Result<std::int64_t>& bytes) { return shown(bytes, bytesText); }

TEST_P(Sizes, ANumberInAUnitLessTheMarginGivesWholeBytesOrARefusal)
{
    using E = InputError;
    using U = SizeUnit;
    // number, unit, margin (in the point notation), what `diskspace` gets
    const std::tuple<const char*, SizeUnit, const char*, std::string> rows[] = {
        {"700", U::MB, "", "700000000"}, {"700", U::MiB, "", "734003200"}, {"1.5", U::KiB, "", "1536"},
        {"2", U::GiB, " ", "2147483648"}, {"1,000", U::kB, "", "1000000"}, {" 123 ", U::Bytes, "", "123"},
        // Decimals with no exact binary form still give the bytes meant.
        {"8.2", U::MB, "", "8200000"}, {"1.005", U::kB, "", "1005"},
        // The margin comes off; a fraction of a byte left is dropped.
        {"700", U::MB, "2.5", "682500000"}, {"1001", U::Bytes, "50", "500"},
        {"999999999999999", U::Bytes, "", "999999999999999"}, {"1500", U::GB, "50", "750000000000"},
        {"", U::MB, "", refused(E::Empty)}, {"abc", U::MB, "", refused(E::NotANumber)},
        {"700 MB", U::MB, "", refused(E::NotANumber)}, {"1,5", U::MB, "", refused(E::NotANumber)},
        {"-1", U::MB, "", refused(E::Negative)}, {"0", U::GB, "", refused(E::Zero)},
        {"0.4", U::Bytes, "", refused(E::Zero)}, {"1", U::Bytes, "50", refused(E::Zero)},
        {"1e15", U::Bytes, "", refused(E::TooLarge)}, // would be written 1E+15
        {"1e400", U::kB, "", refused(E::TooLarge)}, {"1e300", U::GiB, "", refused(E::TooLarge)},
        {"700", U::MB, "100", refused(E::BadMargin)}, {"700", U::MB, "-1", refused(E::BadMargin)},
        {"700", U::MB, "5%", refused(E::BadMargin)},
    };
    for (const auto& [number, unit, margin, bytes] : rows)
        EXPECT_EQ(typed(sizeInBytes(local(number), unit, local(margin), locale())), bytes)
            << number << " margin " << margin;
}

TEST_P(Sizes, DiscsHoldTheirSmallestRecordableFormat)
{
    const std::pair<Disc, const char*> rows[] = {
        {Disc::Cd650, "681984000"},           {Disc::Cd700, "737280000"},
        {Disc::DvdSingleLayer, "4700372992"}, {Disc::DvdDualLayer, "8543666176"},
        {Disc::Bd25, "25025314816"},          {Disc::Bd50, "50050629632"},
    };
    for (const auto& [disc, bytes] : rows)
        EXPECT_EQ(typed(discInBytes(disc, "", locale())), bytes) << int(disc);
    EXPECT_EQ(typed(discInBytes(Disc::DvdSingleLayer, local("10"), locale())), "4230335692");
    EXPECT_EQ(typed(discInBytes(Disc::Cd700, "x", locale())), refused(InputError::BadMargin));
}

TEST(Messages, EveryRefusalSaysWhatIsWrongInBothLanguages)
{
    for (int e = 0; e <= int(InputError::UnknownContainer); ++e)
        EXPECT_NE(message(InputError(e), Language::Italian), message(InputError(e), Language::English)) << e;
}

NORV_IN_BOTH_NOTATIONS(Sizes);

} // namespace
} // namespace norv::planning::test
