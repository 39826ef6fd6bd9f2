// SPDX-License-Identifier: GPL-3.0-or-later
#include "top_fields.h"
#include "norv_main.h"

#include "common/application.h"
#include "streams/add_stream.h"

namespace norv {

TopFields::TopFields(Application& app, Norv_main& window)
    : FieldNumbers(app.numbers()), m_app(app), m_main(window)
{
}

void TopFields::framerate_Change() { m_main.ParseFields(); }

void TopFields::lenght_Change()
{
    m_main.ParseFields();
    m_app.form<AddStream>().Refresh_VideoQuality();
    m_main.ParseFields();
}

void TopFields::lenght_DblClick()
{
    m_main.ParseFields();
    m_main.streamlist_DblClick();
}

// Fills in the disk space the listed streams need, container overhead included.
void TopFields::diskspace_DblClick()
{
    Norv_main& m = m_main;
    m.diskspace.setText("0");
    Real needed = 0;
    for (int i = m.streamlist.listCount() - 1; i >= 0; --i) {
        const Real size = LeadingNumber(m.streamdimension.item(i));
        if (m.dimensiontype.item(i) == "bytes")
            needed += size;
        else
            needed += size * LeadingNumber(m.lenght.text()) / 8;
    }
    const MaybeNumber overhead = m.ContainerOverhead();
    m.diskspace.setText(NumberText(needed + overhead.number()));
}

// While the button is held, the fields the disk space depends on turn light red.
void TopFields::diskspace_MouseDown()
{
    Norv_main& m = m_main;
    m.lenght.setBackColor(kHighlightColor);
    m.framerate.setBackColor(kHighlightColor);
    if (m.ContainerOverhead())
        m.containerselector.setBackColor(kHighlightColor);
    m.streamlist.setBackColor(kHighlightColor);
}

void TopFields::diskspace_MouseUp()
{
    Norv_main& m = m_main;
    m.lenght.setBackColor(kNormalColor);
    m.framerate.setBackColor(kNormalColor);
    m.containerselector.setBackColor(kNormalColor);
    m.streamlist.setBackColor(kNormalColor);
}

} // namespace norv
