// SPDX-License-Identifier: GPL-3.0-or-later
#include "norv_main.h"

#include "common/application.h"
#include "language_options/norv_error.h"
#include "planning/frame_rates.h"

namespace norv {

Norv_main::Norv_main(Application& app)
    : Window(app, std::string(kName), "Norv2"),
      rates(*this, "rates", planning::frameRateLabels(app.numbers().locale())),
      m_geometry(app.numbers(), m_calculation,
                 {fwidth, fheight, fwidths, fheights, prop1, prop2, xdivisible, ydivisible, framerate,
                  videoquality, videoqualitys, properror, hasfocus, maxwidth, maxheight}),
      m_streams(app.numbers(), m_calculation,
                {streamlist, codec, streampercentual, streamdimension, dimensiontype, diskspace, lenght,
                 containerselector})
{
    diskspace.setToolTip("bytes");
    lenght.setToolTip("secondi");
    framerate.setToolTip("FPS");
    for (TextBox* pixels : {&fwidth, &fheight, &xdivisible, &ydivisible})
        pixels->setToolTip("pixel");
    videoquality.setToolTip("bit / (pixel * fps) [x 10000]");
    properror.setToolTip("%");

    // Display-only: the proportion error and the four columns beside the types.
    properror.setBackColor(SystemColor::Menu);
    properror.setEnabled(false);
    for (ListBox* column : {&codec, &streampercentual, &streamdimension, &dimensiontype})
        column->setEnabled(false);

    connectTopFields();
    connectGeometry();
    connectStreams();
    connectHelpers();
}

void Norv_main::connectTopFields()
{
    framerate.Change = [this] { framerate_Change(); };
    lenght.Change = [this] { lenght_Change(); };
    lenght.DblClick = [this] { lenght_DblClick(); };
    diskspace.DblClick = [this] { diskspace_DblClick(); };
    diskspace.MouseDown = [this] { diskspace_MouseDown(); };
    diskspace.MouseUp = [this] { diskspace_MouseUp(); };
    Option.Click = [this] { Option_Click(); };
    About.Click = [this] { About_Click(); };
}

void Norv_main::connectGeometry()
{
    fwidth.GotFocus = [this] { fwidth_GotFocus(); };
    fwidth.LostFocus = [this] { fwidth_LostFocus(); };
    fwidth.Change = [this] { fwidth_Change(); };
    fheight.GotFocus = [this] { fheight_GotFocus(); };
    fheight.LostFocus = [this] { fheight_LostFocus(); };
    fheight.Change = [this] { fheight_Change(); };
    fwidths.GotFocus = [this] { fwidths_GotFocus(); };
    fwidths.LostFocus = [this] { fwidths_LostFocus(); };
    fwidths.Change = [this] { fwidths_Change(); };
    fheights.GotFocus = [this] { fheights_GotFocus(); };
    fheights.LostFocus = [this] { fheights_LostFocus(); };
    fheights.Change = [this] { fheights_Change(); };
    xdivisible.Change = [this] { xdivisible_Change(); };
    ydivisible.Change = [this] { ydivisible_Change(); };
    videoquality.GotFocus = [this] { videoquality_GotFocus(); };
    videoquality.LostFocus = [this] { videoquality_LostFocus(); };
    videoquality.Change = [this] { videoquality_Change(); };
    videoqualitys.GotFocus = [this] { videoqualitys_GotFocus(); };
    videoqualitys.LostFocus = [this] { videoqualitys_LostFocus(); };
    videoqualitys.Change = [this] { videoqualitys_Change(); };
}

void Norv_main::connectStreams()
{
    AddStreamButton.Click = [this] { AddStreamButton_Click(); };
    RemoveStreamButton.Click = [this] { RemoveStreamButton_Click(); };
    streamlist.MouseDown = [this] { streamlist_MouseDown(); };
    streamlist.MouseUp = [this] { streamlist_MouseUp(); };
    streamlist.DblClick = [this] { streamlist_DblClick(); };
}

AddStreamLinks Norv_main::addStreamLinks()
{
    return {m_calculation, m_streams, hasfocus, fwidth,       xdivisible,   ydivisible,
            prop1,         prop2,     framerate, videoquality, videoqualitys};
}

void Norv_main::ReportRunTimeError()
{
    const auto& error = application().err();
    auto& window = application().form<Norv_error>();
    window.errordescription.setCaption("Errore di Run-time: " + (error ? error->description() : ""));
    window.show();
}

} // namespace norv
