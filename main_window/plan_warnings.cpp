// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_warnings.h"

#include "calculation.h"
#include "norv_main.h"

#include "common/application.h"
#include "language_options/captions.h"
#include "language_options/settings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <initializer_list>

namespace norv {

namespace {

using Row = PlanFindings::Row;
using Quality = PlanFindings::Quality;

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

// A text that begins with a digit other than 0 and has no exponent reads as
// 1 or more, however it is read: most texts are known positive at a glance.
bool atLeastOne(std::string_view text)
{
    return !text.empty() && text[0] >= '1' && text[0] <= '9' &&
           std::none_of(text.begin(), text.end(), [](char c) { return c == 'e' || c == 'E'; });
}

// The window's texts as the refresh cycle would leave the fields and as
// every reader takes the cells; the list items are read without counting,
// as a view reads them.
class PlanReader {
public:
    explicit PlanReader(const Norv_main& m)
        : m(m), n(m.application().numbers()), types(m.streamlist.items()),
          percents(m.streampercentual.items()), sizes(m.streamdimension.items()), units(m.dimensiontype.items())
    {
    }

    double cell(const std::string& text) const { return isWhole(text) ? whole(text) : n.LeadingNumber(text); }
    double field(const TextBox& box) const
    {
        const std::string& text = box.text();
        if (isWhole(text))
            return whole(text);
        if (isShortDecimal(text))
            return n.LeadingNumber(text);
        return n.LocaleNumber(n.NumberText(n.LeadingNumber(text)));
    }
    // At most 15 digits in plain notation, the point or the locale's
    // separator between them: the refresh cycle's text of it reads back as
    // the same number.
    bool isShortDecimal(std::string_view text) const
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
    bool parallel() const
    {
        return percents.size() == types.size() && sizes.size() == types.size() && units.size() == types.size();
    }
    std::size_t rows() const { return types.size(); }
    bool fixed(std::size_t i) const { return percents[i].empty(); }
    // Its size cell written by the allocation and reading 0 or below.
    bool starved(std::size_t i) const
    {
        const std::string& size = sizes[i];
        return !fixed(i) && !size.empty() && !atLeastOne(size) && cell(size) <= 0;
    }

    const Norv_main& m;
    const Numbers& n;
    const std::vector<std::string>& types;
    const std::vector<std::string>& percents;
    const std::vector<std::string>& sizes;
    const std::vector<std::string>& units;
};

// The allocation's pool and the disk-space double-click's sum, over the
// same readings the program would make at that moment.
class Budget {
public:
    explicit Budget(const PlanReader& r)
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

    Real overhead(Real diskSpace) const
    {
        if (!overheadOn)
            return 0;
        if (container == "AVI")
            return aviOverhead(length, rate);
        if (container == "OGM")
            return ogmOverhead(diskSpace);
        return 0;
    }

    // What the percent streams would share at this disk space.
    Real pool(Real diskSpace) const { return (diskSpace - overhead(diskSpace)) * 8 / length - fixedBits; }

    // The disk-space double-click's sum over the fixed streams (from the
    // last row, as it adds), with the overhead of a cleared disk space; where
    // that still leaves the pool below 0, the smallest whole disk space that
    // does not.
    double fits() const
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

    // The bitrate the allocation would give row i at the disk space typed.
    double shareNow(std::size_t i) const
    {
        const Real share = r.cell(r.percents[i]);
        if (!(disk > 0 && length > 0 && shares > 0 && share > 0))
            return 0;
        return Floor(pool(disk) / shares * share).value();
    }

    const PlanReader& r;
    const double length;
    const double rate;
    const double disk;
    const bool overheadOn;
    const std::string container;
    Real fixedBits = 0;
    Real shares = 0;
};

void findQuality(const PlanReader& r, PlanFindings& f)
{
    if (!atLeastOne(r.m.videoquality.text()) && r.field(r.m.videoquality) == 0)
        return; // no figure shown
    Real bytes = 0;
    Real bits = 0;
    for (std::size_t i = 0; i < r.rows(); ++i) {
        if (r.types[i] != "Video")
            continue;
        f.videoRow = int(i);
        (r.units[i] == "bytes" ? bytes : bits) += r.cell(r.sizes[i]);
    }
    f.bitrate = videoBitrateOf(bytes, bits, r.field(r.m.lenght));
    if (f.bitrate <= 0) {
        f.quality = f.videoRow >= 0 && f.rows[std::size_t(f.videoRow)] != Row::Fine ? Quality::AsVideoRow
                                                                                     : Quality::NoBitrate;
    } else if (!atLeastOne(r.m.fwidth.text()) || !atLeastOne(r.m.fheight.text())) {
        f.width = r.field(r.m.fwidth);
        f.height = r.field(r.m.fheight);
        if (f.width <= 0 || f.height <= 0)
            f.quality = Quality::NoFrame;
    }
}

PlanFindings find(const Norv_main& m)
{
    const PlanReader r(m);
    PlanFindings f;
    if (!r.parallel())
        return f;
    f.rows.assign(r.rows(), Row::Fine);
    bool starved = false;
    for (std::size_t i = 0; i < r.rows(); ++i) {
        if (r.starved(i)) {
            f.rows[i] = Row::TooSmall;
            starved = true;
        }
    }
    if (starved) {
        const Budget budget(r);
        f.fits = budget.fits();
        f.disk = budget.disk;
        for (std::size_t i = 0; i < r.rows(); ++i) {
            if (f.rows[i] == Row::Fine || f.fits > f.disk)
                continue;
            f.rows[i] = budget.shareNow(i) > 0 ? Row::NotSharedOut : Row::NothingLeft;
        }
    }
    findQuality(r, f);
    return f;
}

// A text of the table with its numbers in place of %1, %2...
std::string filled(PlanWarningText which, Language language, std::initializer_list<std::string> numbers)
{
    std::string text = planWarningText(which, language);
    char mark = '1';
    for (const std::string& number : numbers) {
        const std::string placeholder = {'%', mark++};
        if (const auto at = text.find(placeholder); at != std::string::npos)
            text.replace(at, placeholder.size(), number);
    }
    return text;
}

std::string rowText(const PlanFindings& f, Row row, Language language, const Numbers& n)
{
    switch (row) {
    case Row::TooSmall:
        return filled(PlanWarningText::TooSmall, language, {n.NumberText(f.fits - f.disk), n.NumberText(f.fits)});
    case Row::NothingLeft:
        return filled(PlanWarningText::NothingLeft, language, {n.NumberText(f.fits), n.NumberText(f.disk)});
    case Row::NotSharedOut:
        return filled(PlanWarningText::NotSharedOut, language, {n.NumberText(f.disk), n.NumberText(f.fits)});
    case Row::Fine:
        break;
    }
    return {};
}

} // namespace

PlanFindings readPlanFindings(const Norv_main& window)
{
    try {
        return find(window);
    } catch (const RunTimeError&) {
        PlanFindings none;
        none.rows.assign(window.streamlist.items().size(), Row::Fine);
        return none;
    }
}

const std::string& PlanWarnings::row(int index) const
{
    static const std::string none;
    return index >= 0 && std::size_t(index) < rows.size() ? rows[std::size_t(index)] : none;
}

PlanWarnings planWarnings(const Norv_main& window)
{
    const PlanFindings f = readPlanFindings(window);
    PlanWarnings w;
    bool any = f.quality != Quality::Fine;
    for (Row row : f.rows)
        any = any || row != Row::Fine;
    if (!any)
        return w; // the common case: no row text at all, no setting read
    w.rows.resize(f.rows.size());
    const Language language =
        settings::italian(window.application().settings()) ? Language::Italian : Language::English;
    const Numbers& n = window.application().numbers();
    try {
        // Rows of one kind share their text: each is written once.
        std::string texts[4];
        bool written[4] = {};
        for (std::size_t i = 0; i < f.rows.size(); ++i) {
            const auto kind = std::size_t(f.rows[i]);
            if (!written[kind]) {
                texts[kind] = rowText(f, f.rows[i], language, n);
                written[kind] = true;
            }
            w.rows[i] = texts[kind];
        }
        switch (f.quality) {
        case Quality::AsVideoRow:
            w.quality = w.rows[std::size_t(f.videoRow)];
            break;
        case Quality::NoBitrate:
            w.quality = filled(PlanWarningText::NoBitrate, language, {n.NumberText(f.bitrate)});
            break;
        case Quality::NoFrame:
            w.quality = filled(PlanWarningText::NoFrame, language, {n.NumberText(f.width), n.NumberText(f.height)});
            break;
        case Quality::Fine:
            break;
        }
    } catch (const RunTimeError&) {
        return {};
    }
    return w;
}

void Norv_main::refreshWarnings()
{
    PlanWarnings warnings = planWarnings(*this);
    for (ListBox* column : {&streamlist, &streampercentual, &streamdimension, &dimensiontype})
        column->setItemWarnings(warnings.rows);
    videoquality.setWarning(std::move(warnings.quality));
}

} // namespace norv
