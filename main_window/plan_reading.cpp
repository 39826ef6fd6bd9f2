// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_reading.h"

#include "calculation.h"
#include "norv_main.h"

#include "common/application.h"
#include "language_options/settings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace norv {

namespace {

// Whole numbers of bytes stay exact in a double up to here.
constexpr double kLargestWhole = 9007199254740992.0;

// The marks are read after every event, mostly over plain whole numbers: a
// text of at most 15 digits (a sign before them, a "%" after them) is a
// whole number that every reading and the refresh cycle's rewriting leave
// exactly as it is, so it is read directly. Any other text takes the long way.
bool isWhole(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    if (!text.empty() && text.back() == '%')
        text.remove_suffix(1);
    return !text.empty() && text.size() <= 15 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

double whole(std::string_view text)
{
    const bool negative = text.front() == '-';
    std::uint64_t value = 0;
    for (const char c : text)
        if (c >= '0' && c <= '9')
            value = value * 10 + std::uint64_t(c - '0');
    return negative ? -double(value) : double(value);
}

} // namespace

bool atLeastOne(std::string_view text)
{
    return !text.empty() && text[0] >= '1' && text[0] <= '9' &&
           std::none_of(text.begin(), text.end(), [](char c) { return c == 'e' || c == 'E'; });
}

PlanReader::PlanReader(const Norv_main& m)
    : m(m), n(m.application().numbers()), types(m.streamlist.items()), percents(m.streampercentual.items()),
      sizes(m.streamdimension.items()), units(m.dimensiontype.items())
{
}

double PlanReader::cell(const std::string& text) const { return isWhole(text) ? whole(text) : n.LeadingNumber(text); }

double PlanReader::field(const TextBox& box) const
{
    const std::string& text = box.text();
    if (isWhole(text))
        return whole(text);
    if (isShortDecimal(text))
        return n.LeadingNumber(text);
    return n.LocaleNumber(n.NumberText(n.LeadingNumber(text)));
}

// At most 15 digits in plain notation, the point or the locale's separator
// between them: the refresh cycle's text of it reads back as the same number.
bool PlanReader::isShortDecimal(std::string_view text) const
{
    if (!text.empty() && text[0] == '-')
        text.remove_prefix(1);
    const std::string_view decimal = n.locale().decimal;
    int digits = 0;
    bool separated = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (separated)
            return false;
        else if (text[i] == '.')
            separated = true;
        else if (!decimal.empty() && text.substr(i, decimal.size()) == decimal) {
            separated = true;
            i += decimal.size() - 1;
        } else
            return false;
    }
    return digits > 0 && digits <= 15;
}

bool PlanReader::parallel() const
{
    return percents.size() == types.size() && sizes.size() == types.size() && units.size() == types.size();
}

bool PlanReader::starved(std::size_t i) const
{
    const std::string& size = sizes[i];
    return !fixed(i) && !size.empty() && !atLeastOne(size) && cell(size) <= 0;
}

Budget::Budget(const PlanReader& r)
    : r(r), length(r.field(r.m.lenght)), rate(r.field(r.m.framerate)), disk(r.field(r.m.diskspace)),
      overheadOn(settings::overheadOn(r.m.application().settings())), container(r.m.containerselector.text())
{
    // TotalStreamBitrate, which the allocation takes only with a length.
    if (length > 0)
        for (std::size_t i = 0; i < r.rows(); ++i)
            if (r.fixed(i))
                fixedBits += r.units[i] == "bit/s" ? Real(r.cell(r.sizes[i])) : r.cell(r.sizes[i]) * Real(8) / length;
    for (std::size_t i = 0; i < r.rows(); ++i)
        shares += r.cell(r.percents[i]);
}

Real Budget::overhead(Real diskSpace) const
{
    if (!overheadOn)
        return 0;
    if (container == "AVI")
        return aviOverhead(length, rate);
    if (container == "OGM")
        return ogmOverhead(diskSpace);
    return 0;
}

// The sum runs from the last row, as the double-click adds, with the
// overhead of a cleared disk space.
double Budget::fits() const
{
    Real needed = 0;
    for (std::size_t i = r.rows(); i-- > 0;)
        if (r.fixed(i))
            needed += r.units[i] == "bytes" ? Real(r.cell(r.sizes[i])) : r.cell(r.sizes[i]) * Real(length) / 8;
    const double sum = (needed + overhead(0)).value();
    if (length <= 0 || pool(sum) >= 0)
        return sum;
    // The pool never shrinks as the disk space grows: search upwards,
    // then halve, between a whole too small and a whole that fits.
    double below = std::ceil(sum) - 1;
    double step = 1;
    while (pool(below + step) < 0) {
        below += step;
        step *= 2;
        if (below > kLargestWhole)
            throw RunTimeError(RunTimeError::Overflow);
    }
    double fitting = below + step;
    while (fitting - below > 1) {
        const double middle = std::floor((below + fitting) / 2);
        (pool(middle) < 0 ? below : fitting) = middle;
    }
    return fitting;
}

double Budget::shareNow(std::size_t i) const
{
    const Real share = r.cell(r.percents[i]);
    if (!(disk > 0 && length > 0 && shares > 0 && share > 0))
        return 0;
    return Floor(pool(disk) / shares * share).value();
}

} // namespace norv
