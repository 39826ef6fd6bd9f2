// SPDX-License-Identifier: GPL-3.0-or-later
#include "norv_main.h"

#include "common/application.h"
#include "common/numbers.h"
#include "streams/add_stream.h"

namespace norv {

void Norv_main::framerate_Change() { ParseFields(); }

void Norv_main::lenght_Change()
{
    ParseFields();
    application().form<AddStream>().Refresh_VideoQuality();
    ParseFields();
}

void Norv_main::lenght_DblClick()
{
    ParseFields();
    streamlist_DblClick();
}

// Fills in the disk space the listed streams need, container overhead included.
void Norv_main::diskspace_DblClick()
{
    diskspace.setText("0");
    Real needed = 0;
    for (int i = streamlist.listCount() - 1; i >= 0; --i) {
        const Real size = LeadingNumber(streamdimension.item(i));
        if (dimensiontype.item(i) == "bytes")
            needed += size;
        else
            needed += size * LeadingNumber(lenght.text()) / 8;
    }
    const MaybeNumber overhead = ContainerOverhead();
    diskspace.setText(NumberText(needed + overhead.number()));
}

// While the button is held, the fields the disk space depends on turn light red.
void Norv_main::diskspace_MouseDown()
{
    lenght.setBackColor(HighlightColor());
    framerate.setBackColor(HighlightColor());
    if (ContainerOverhead())
        containerselector.setBackColor(HighlightColor());
    streamlist.setBackColor(HighlightColor());
}

void Norv_main::diskspace_MouseUp()
{
    lenght.setBackColor(NormalColor());
    framerate.setBackColor(NormalColor());
    containerselector.setBackColor(NormalColor());
    streamlist.setBackColor(NormalColor());
}

} // namespace norv
