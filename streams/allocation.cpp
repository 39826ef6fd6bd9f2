// SPDX-License-Identifier: GPL-3.0-or-later
// Percent shares: rescaled to about 100, then each given its share of the
// bitrate that the disk space leaves after the overhead and the fixed streams.
#include "stream_list.h"

#include <string>
#include <vector>

namespace norv {

double StreamList::TotalStreamPercent()
{
    Real total = 0;
    for (int i = 0; i < m_c.streampercentual.listCount(); ++i)
        total += LeadingNumber(m_c.streampercentual.item(i));
    return total.value();
}

double StreamList::TotalStreamBitrate()
{
    Real total = 0;
    for (int i = 0; i < m_c.streampercentual.listCount(); ++i) {
        if (!m_c.streampercentual.item(i).empty())
            continue;
        const Real size = LeadingNumber(m_c.streamdimension.item(i));
        if (m_c.dimensiontype.item(i) == "bit/s")
            total += size;
        else // bytes spread over the length
            total += size * 8 / LocaleNumber(m_c.lenght.text());
    }
    return total.value();
}

void StreamList::streamlist_DblClick()
{
    m_core.ParseFields();
    rescalePercentShares();
    const double disk = LocaleNumber(m_c.diskspace.text());
    const double length = LocaleNumber(m_c.lenght.text());
    const double shares = TotalStreamPercent();
    if (disk > 0 && length > 0 && shares > 0) {
        const Real d = LocaleNumber(m_c.diskspace.text());
        const MaybeNumber overhead = m_core.ContainerOverhead();
        const Real l = LocaleNumber(m_c.lenght.text());
        const Real fixed = TotalStreamBitrate();
        allocatePool((d - overhead.number()) * 8 / l - fixed);
    }
    m_core.ParseFields();
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
void StreamList::rescalePercentShares()
{
    const int rows = m_c.streamlist.listCount();
    std::vector<double> shares(std::size_t(rows), 0.0);
    for (int i = 0; i < rows; ++i)
        shares[std::size_t(i)] = LeadingNumber(m_c.streampercentual.item(i));
    for (int i = 0; i < rows; ++i) {
        const Real share = shares[std::size_t(i)];
        if (share <= 0)
            continue;
        const Real total = sumInRowOrder(shares);
        if (total == 0) // negative shares elsewhere cancel it out: nothing to scale by
            continue;
        const std::string rescaled = NumberText(Floor(share / total * 100));
        m_c.streampercentual.setItem(i, rescaled + "%");
        shares[std::size_t(i)] = LeadingNumber(rescaled); // the share as the cell now reads
    }
}

// The shares do not change in this pass, so neither does their total.
void StreamList::allocatePool(Real pool)
{
    const int rows = m_c.streamlist.listCount();
    std::vector<double> shares(std::size_t(rows), 0.0);
    for (int i = 0; i < rows; ++i)
        shares[std::size_t(i)] = LeadingNumber(m_c.streampercentual.item(i));
    const Real total = sumInRowOrder(shares);
    for (int i = 0; i < rows; ++i) {
        const Real share = shares[std::size_t(i)];
        if (share <= 0)
            continue;
        m_c.streamdimension.setItem(i, NumberText(Floor(pool / total * share)));
        m_c.dimensiontype.setItem(i, "bit/s");
    }
}

} // namespace norv
