// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"
#include "norv_main.h"

#include "common/application.h"

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

} // namespace norv
