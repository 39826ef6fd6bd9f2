// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream_list.h"

#include "common/color.h"

namespace norv {

StreamList::StreamList(const Numbers& numbers, CalculationCore& core, const StreamControls& controls)
    : FieldNumbers(numbers), m_core(core), m_c(controls)
{
}

bool StreamList::hasVideoRow()
{
    for (int i = 0; i < m_c.streamlist.listCount(); ++i)
        if (m_c.streamlist.item(i) == "Video")
            return true;
    return false;
}

void StreamList::appendStreamRow(const std::string& type, const std::string& percent, const std::string& size,
                                 const std::string& unit)
{
    m_c.streamlist.addItem(type);
    m_c.streampercentual.addItem(percent);
    m_c.streamdimension.addItem(size);
    m_c.dimensiontype.addItem(unit);
}

void StreamList::RemoveStreamButton_Click()
{
    ListBox& types = m_c.streamlist;
    if (types.listIndex() > -1) {
        // The type column loses its row last, so every removal sees the same index.
        m_c.streamdimension.removeItem(types.listIndex());
        m_c.dimensiontype.removeItem(types.listIndex());
        m_c.streampercentual.removeItem(types.listIndex());
        types.removeItem(types.listIndex());
    }
    m_core.ParseFields();
}

// While the button is held, the inputs of the allocation turn light red.
void StreamList::streamlist_MouseDown()
{
    m_c.diskspace.setBackColor(kHighlightColor);
    m_c.lenght.setBackColor(kHighlightColor);
    if (m_core.ContainerOverhead())
        m_c.containerselector.setBackColor(kHighlightColor);
}

void StreamList::streamlist_MouseUp()
{
    m_c.diskspace.setBackColor(kNormalColor);
    m_c.lenght.setBackColor(kNormalColor);
    m_c.containerselector.setBackColor(kNormalColor);
}

} // namespace norv
