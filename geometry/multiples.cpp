// SPDX-License-Identifier: GPL-3.0-or-later
// A new size multiple rescales its slider to count the new multiples, keeps
// the other axis and re-derives this one through the ratio, rounded down.
#include "main_window/norv_main.h"

#include "common/numbers.h"

namespace norv {

void Norv_main::xdivisible_Change()
{
    ParseFields();
    fwidths.setMax(IntDiv(maxwidth.number(), LocaleNumber(xdivisible.text())));
    const Real h = LocaleNumber(fheight.text());
    const Real p2 = LocaleNumber(prop2.text());
    const Real p1 = LocaleNumber(prop1.text());
    fwidths.setValue(IntDiv(ToLong(h / p2 * p1), ToLong(LocaleNumber(xdivisible.text()))));
    fwidth.setText(NumberText(Real(LocaleNumber(xdivisible.text())) * fwidths.value()));
}

void Norv_main::ydivisible_Change()
{
    ParseFields();
    fheights.setMax(IntDiv(maxheight, LocaleNumber(ydivisible.text())));
    const Real w = LocaleNumber(fwidth.text());
    const Real p1 = LocaleNumber(prop1.text());
    const Real p2 = LocaleNumber(prop2.text());
    fheights.setValue(IntDiv(ToLong(w / p1 * p2), ToLong(LocaleNumber(ydivisible.text()))));
    fheight.setText(NumberText(Real(LocaleNumber(ydivisible.text())) * fheights.value()));
}

// The shape of the frame against the requested ratio, in percent.
void Norv_main::Refresh_PropError()
{
    ParseFields();
    const Real p2 = LocaleNumber(prop2.text());
    const Real h = LocaleNumber(fheight.text());
    if (p2 > 0 && h > 0) {
        const Real w = LocaleNumber(fwidth.text());
        const Real p1 = LocaleNumber(prop1.text());
        properror.setText(NumberText(RoundHalfEven((Real(1) - p2 * w / h / p1) * 100, 2)) + "%");
    }
}

} // namespace norv
