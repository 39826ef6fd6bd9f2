// SPDX-License-Identifier: GPL-3.0-or-later
// Percent shares: rescaled to about 100, then each given its share of the
// bitrate that the disk space leaves after the overhead and the fixed streams.
#include "main_window/norv_main.h"

#include "common/numbers.h"

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

// The total is taken again before each row, so rows already rescaled count
// with their new shares: the result depends on the row order, as intended.
void Norv_main::rescalePercentShares()
{
    const int rows = streamlist.listCount();
    for (int i = 0; i < rows; ++i) {
        const Real share = LeadingNumber(streampercentual.item(i));
        if (share <= 0)
            continue;
        const Real total = TotalStreamPercent();
        if (total == 0) // negative shares elsewhere cancel it out: nothing to scale by
            continue;
        streampercentual.setItem(i, NumberText(Floor(share / total * 100)) + "%");
    }
}

void Norv_main::allocatePool(Real pool)
{
    const int rows = streamlist.listCount();
    for (int i = 0; i < rows; ++i) {
        const Real share = LeadingNumber(streampercentual.item(i));
        if (share <= 0)
            continue;
        const Real total = TotalStreamPercent();
        streamdimension.setItem(i, NumberText(Floor(pool / total * share)));
        dimensiontype.setItem(i, "bit/s");
    }
}

} // namespace norv
