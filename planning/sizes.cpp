// SPDX-License-Identifier: GPL-3.0-or-later
#include "sizes.h"

#include "reading.h"

#include <charconv>

namespace norv::planning {

namespace {

// What is left of the size after the margin, in whole bytes.
Result<std::int64_t> lessMargin(double bytes, std::string_view margin, const NumberLocale& locale)
{
    double percent = 0.0;
    if (margin.find_first_not_of(" \t\r\n") != std::string_view::npos) {
        const Result<double> read = readNumber(margin, locale);
        if (!read || *read < 0.0 || *read >= 100.0)
            return InputError::BadMargin;
        percent = *read;
    }
    const double whole = wholeDown(bytes * (100.0 - percent) / 100.0);
    if (whole > kLargestFieldValue)
        return InputError::TooLarge;
    if (whole < 1.0)
        return InputError::Zero;
    return std::int64_t(whole);
}

} // namespace

Result<std::int64_t> sizeInBytes(std::string_view number, SizeUnit unit, std::string_view margin,
                                 const NumberLocale& locale)
{
    const Result<double> value = readNonNegative(number, locale);
    if (!value)
        return value.error();
    // Beyond the double range the product is infinite, and so too large.
    return lessMargin(*value * kSizeUnits.at(std::size_t(unit)).bytes, margin, locale);
}

Result<std::int64_t> discInBytes(Disc disc, std::string_view margin, const NumberLocale& locale)
{
    return lessMargin(kDiscs.at(std::size_t(disc)).bytes, margin, locale);
}

std::string bytesText(std::int64_t bytes)
{
    char buf[24];
    const auto end = std::to_chars(buf, buf + sizeof buf, bytes).ptr;
    return std::string(buf, end);
}

} // namespace norv::planning
