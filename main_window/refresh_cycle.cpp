// SPDX-License-Identifier: GPL-3.0-or-later
#include "norv_main.h"

#include "common/application.h"

namespace norv {

// Normalises the input texts so that every later reading succeeds, then
// enables the quality controls only while a figure can exist. Each rewrite
// runs that field's handler, which runs this cycle again: the nesting ends
// because a normalised text is a fixed point and an unchanged write runs nothing.
void Norv_main::ParseFields()
{
    ++application().statistics().refreshCycles;
    for (TextBox* guarded : {&prop1, &prop2, &xdivisible, &ydivisible})
        if (LeadingNumber(guarded->text()) == 0)
            guarded->setText("1");

    for (TextBox* field : {&fwidth, &fheight, &framerate, &lenght, &diskspace, &videoquality})
        field->setText(NumberText(LeadingNumber(field->text())));

    const bool rateOk = LocaleNumber(framerate.text()) > 0;
    const double bitrate = VideoBitrate();
    const bool showQuality = bitrate > 0 && rateOk;
    videoquality.setEnabled(showQuality);
    videoqualitys.setEnabled(showQuality);
    Label8.setEnabled(showQuality);
}

} // namespace norv
