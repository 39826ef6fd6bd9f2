// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"
#include "norv_main.h"

#include "common/application.h"
#include "language_options/settings.h"

#include <optional>

namespace norv {

double Calculation::VideoBitrate()
{
    const Norv_main& m = m_main;
    Real bytes = 0;
    Real bits = 0;
    for (int i = 0; i < m.streamlist.listCount(); ++i) {
        if (m.streamlist.item(i) != "Video")
            continue;
        const Real size = LeadingNumber(m.streamdimension.item(i));
        if (m.dimensiontype.item(i) == "bytes")
            bytes += size;
        else
            bits += size;
    }
    const double length = LocaleNumber(m.lenght.text());
    if (length > 0) {
        // Whole bits per second: both operands rounded half to even and the
        // quotient truncated, on 64 bits so that large files still divide;
        // a length that rounds to 0 adds nothing.
        const std::int64_t seconds = ToInt64(length);
        const std::int64_t perSecond = seconds == 0 ? 0 : ToInt64((Real(8) * bytes).value()) / seconds;
        return (Real(double(perSecond)) + bits).value();
    }
    return bits.value();
}

MaybeNumber Calculation::ContainerOverhead()
{
    ParseFields();
    if (!settings::overheadOn(m_app.settings()))
        return {};
    const Norv_main& m = m_main;
    std::optional<Real> overhead;
    const std::string container = m.containerselector.text();
    if (container == "AVI") {
        // 24.5 bytes a frame plus 2955.008, in this order of operations.
        const Real frames = Real(LocaleNumber(m.lenght.text())) * LocaleNumber(m.framerate.text());
        overhead = (frames * 0.19140625 + 23.086) / 8 * 1024;
    } else if (container == "OGM") {
        overhead = Real(LocaleNumber(m.diskspace.text())) * 0.011;
    }
    return Floor(overhead.value_or(0).value());
}

} // namespace norv
