// SPDX-License-Identifier: GPL-3.0-or-later
// The stream list: four row-parallel columns of cell texts, opened to new rows
// by the Add Stream dialog, thinned by Remove.
#include "main_window/norv_main.h"

#include "add_stream.h"
#include "common/application.h"

namespace norv {

bool Norv_main::hasVideoRow()
{
    for (int i = 0; i < streamlist.listCount(); ++i)
        if (streamlist.item(i) == "Video")
            return true;
    return false;
}

void Norv_main::appendStreamRow(const std::string& type, const std::string& percent,
                                const std::string& size, const std::string& unit)
{
    streamlist.addItem(type);
    streampercentual.addItem(percent);
    streamdimension.addItem(size);
    dimensiontype.addItem(unit);
}

void Norv_main::AddStreamButton_Click()
{
    const bool video = hasVideoRow();
    auto& dialog = application().form<AddStream>();
    dialog.streamtype.setListIndex(video ? 1 : 0);
    dialog.dimensionestream.setText("0");
    dialog.tipodimensione(0).setValue(true);
    dialog.show(true);
}

void Norv_main::RemoveStreamButton_Click()
{
    if (streamlist.listIndex() > -1) {
        // The type column loses its row last, so every removal sees the same index.
        streamdimension.removeItem(streamlist.listIndex());
        dimensiontype.removeItem(streamlist.listIndex());
        streampercentual.removeItem(streamlist.listIndex());
        streamlist.removeItem(streamlist.listIndex());
    }
    ParseFields();
}

// While the button is held, the inputs of the allocation turn light red.
void Norv_main::streamlist_MouseDown()
{
    diskspace.setBackColor(HighlightColor());
    lenght.setBackColor(HighlightColor());
    if (ContainerOverhead())
        containerselector.setBackColor(HighlightColor());
}

void Norv_main::streamlist_MouseUp()
{
    diskspace.setBackColor(NormalColor());
    lenght.setBackColor(NormalColor());
    containerselector.setBackColor(NormalColor());
}

} // namespace norv
