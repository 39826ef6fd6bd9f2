// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"
#include "norv_main.h"

#include "common/application.h"
#include "language_options/settings.h"


namespace norv {

Calculation::Calculation(Application& app, Norv_main& window)
    : FieldNumbers(app.numbers()), m_app(app), m_main(window)
{
}

// Normalises the input texts so that every later reading succeeds, then
// enables the quality controls only while a figure can exist. Each rewrite
// runs that field's handler, which runs this cycle again: the nesting ends
// because a normalised text is a fixed point and an unchanged write runs nothing.
void Calculation::ParseFields()
{
    ++m_app.statistics().refreshCycles;
    Norv_main& m = m_main;
    for (TextBox* guarded : {&m.prop1, &m.prop2, &m.xdivisible, &m.ydivisible})
        if (LeadingNumber(guarded->text()) == 0)
            guarded->setText("1");

    for (TextBox* field : {&m.fwidth, &m.fheight, &m.framerate, &m.lenght, &m.diskspace, &m.videoquality})
        field->setText(NumberText(LeadingNumber(field->text())));

    const bool rateOk = LocaleNumber(m.framerate.text()) > 0;
    const double bitrate = VideoBitrate();
    const bool showQuality = bitrate > 0 && rateOk;
    m.videoquality.setEnabled(showQuality);
    m.videoqualitys.setEnabled(showQuality);
    m.Label8.setEnabled(showQuality);
}

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
    return videoBitrateOf(bytes, bits, LocaleNumber(m.lenght.text()));
}

double videoBitrateOf(Real bytes, Real bits, double length)
{
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
    const std::string container = m.containerselector.text();
    if (container == "AVI")
        return aviOverhead(LocaleNumber(m.lenght.text()), LocaleNumber(m.framerate.text()));
    if (container == "OGM")
        return ogmOverhead(LocaleNumber(m.diskspace.text()));
    return 0.0;
}

// 24.5 bytes a frame plus 2955.008, in this order of operations.
double aviOverhead(Real length, Real frameRate)
{
    const Real frames = length * frameRate;
    return Floor(((frames * 0.19140625 + 23.086) / 8 * 1024).value());
}

double ogmOverhead(Real diskSpace) { return Floor((diskSpace * 0.011).value()); }

} // namespace norv
