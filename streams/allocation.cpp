// SPDX-License-Identifier: GPL-3.0-or-later
// Percent shares: rescaled to about 100, then each given its share of the
// bitrate that the disk space leaves after the overhead and the fixed streams.
#include "main_window/norv_main.h"

#include "common/numbers.h"

#include <string>
#include <vector>

namespace norv {

double Norv_main::TotalStreamPercent()
{
    Real total = 0;
    for (int i = 0; i < streampercentual.listCount(); ++i)
        total += LeadingNumber(streampercentual.item(i));
    return total.value();
}

double Norv_main::TotalStreamBitrate()
{
    Real total = 0;
    for (int i = 0; i < streampercentual.listCount(); ++i) {
        if (!streampercentual.item(i).empty())
            continue;
        const Real size = LeadingNumber(streamdimension.item(i));
        if (dimensiontype.item(i) == "bit/s")
            total += size;
        else // bytes spread over the length
            total += size * 8 / LocaleNumber(lenght.text());
    }
    return total.value();
}

void Norv_main::streamlist_DblClick()
{
    ParseFields();
    rescalePercentShares();
    const double disk = LocaleNumber(diskspace.text());
    const double length = LocaleNumber(lenght.text());
    const double shares = TotalStreamPercent();
    if (disk > 0 && length > 0 && shares > 0) {
        const Real d = LocaleNumber(diskspace.text());
        const MaybeNumber overhead = ContainerOverhead();
        const Real l = LocaleNumber(lenght.text());
        const Real fixed = TotalStreamBitrate();
        allocatePool((d - overhead.number()) * 8 / l - fixed);
    }
    ParseFields();
}

namespace {

// The shares in row order, summed from the first row as TotalStreamPercent
// does, so that every total comes out to the same double.
Real sumInRowOrder(const std::vector<double>& shares)
{
    Real total = 0;
    for (double share : shares)
        total += share;
    return total;
}

} // namespace

// The total is taken again before each row, so rows already rescaled count
// with their new shares: the result depends on the row order, as intended.
// Each cell is read once; the totals are re-added from the values read.
void Norv_main::rescalePercentShares()
{
    const int rows = streamlist.listCount();
    std::vector<double> shares(std::size_t(rows), 0.0);
    for (int i = 0; i < rows; ++i)
        shares[std::size_t(i)] = LeadingNumber(streampercentual.item(i));
    for (int i = 0; i < rows; ++i) {
        const Real share = shares[std::size_t(i)];
        if (share <= 0)
            continue;
        const Real total = sumInRowOrder(shares);
        if (total == 0) // negative shares elsewhere cancel it out: nothing to scale by
            continue;
        const std::string rescaled = NumberText(Floor(share / total * 100));
        streampercentual.setItem(i, rescaled + "%");
        shares[std::size_t(i)] = LeadingNumber(rescaled); // the share as the cell now reads
    }
}

// The shares do not change in this pass, so neither does their total.
void Norv_main::allocatePool(Real pool)
{
    const int rows = streamlist.listCount();
    std::vector<double> shares(std::size_t(rows), 0.0);
    for (int i = 0; i < rows; ++i)
        shares[std::size_t(i)] = LeadingNumber(streampercentual.item(i));
    const Real total = sumInRowOrder(shares);
    for (int i = 0; i < rows; ++i) {
        const Real share = shares[std::size_t(i)];
        if (share <= 0)
            continue;
        streamdimension.setItem(i, NumberText(Floor(pool / total * share)));
        dimensiontype.setItem(i, "bit/s");
    }
}

} // namespace norv
