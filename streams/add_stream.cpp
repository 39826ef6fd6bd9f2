// SPDX-License-Identifier: GPL-3.0-or-later
#include "add_stream.h"

#include "common/application.h"
#include "common/focus_code.h"
#include "language_options/norv_error.h"

#include <optional>

namespace norv {

AddStream::AddStream(Application& app, const AddStreamLinks& links)
    : Window(app, std::string(kName), "Aggiungi Stream"), m_main(links)
{
    tipodimensione.Click = [this](int index) { tipodimensione_Click(index); };
    Add.Click = [this] { Add_Click(); };
    Abort.Click = [this] { Abort_Click(); };
}

void AddStream::NormalizeStreamSize()
{
    dimensionestream.setText(NumberText(LeadingNumber(dimensionestream.text())));
}

void AddStream::tipodimensione_Click(int index)
{
    NormalizeStreamSize();
    if (index == 2) {
        savedsize = ClampToLong(LocaleNumber(dimensionestream.text()));
        dimensionestream.setText("100");
    } else {
        dimensionestream.setText(std::to_string(savedsize));
    }
}

void AddStream::Add_Click()
{
    NormalizeStreamSize();
    const bool hasVideo = m_main.streams.hasVideoRow();
    const std::string type = streamtype.text();
    if (hasVideo && type == "Video") {
        // The dialog stays open underneath, with its inputs.
        application().form<Norv_error>().showMessage("Numero massimo di flussi video consentiti: 1");
    } else {
        appendRow(type, dimensionestream.text());
        hide();
    }
    m_main.core.ParseFields();
    Refresh_VideoQuality();
}

void AddStream::appendRow(const std::string& type, const std::string& value)
{
    const bool percent = tipodimensione.selected() == 2;
    const bool bytes = tipodimensione.selected() == 1;
    m_main.streams.appendStreamRow(type, percent ? value + "%" : "", percent ? "" : value,
                                   percent ? "" : bytes ? "bytes" : "bit/s");
}

void AddStream::Abort_Click() { hide(); }

void AddStream::Refresh_VideoQuality()
{
    AddStreamLinks& main = m_main;
    // Not the user's edit: the quality handlers only refresh under this code.
    main.hasfocus = FocusNone;
    const Real xd = LocaleNumber(main.xdivisible.text());
    const Real width = Floor(Real(LocaleNumber(main.fwidth.text())) / xd) * xd;
    const Real p1 = LocaleNumber(main.prop1.text());
    const Real p2 = LocaleNumber(main.prop2.text());
    const Real yd = LocaleNumber(main.ydivisible.text());
    const Real height = Floor(width / p1 * p2 / yd) * yd;
    const Real fps = LocaleNumber(main.framerate.text());
    std::optional<Real> quality;
    // A frame of no size has no figure, as when there is no frame rate.
    if (fps > 0 && width != 0 && height != 0)
        quality = Real(main.core.VideoBitrate()) / width / height / fps * 10000;
    main.videoquality.setText(quality ? NumberText(*quality) : std::string());
    // The slider ends at the nearer end of its range, however far the figure lies.
    main.videoqualitys.setValue(quality ? ClampToLong(quality->value()) : 0);
}

} // namespace norv
