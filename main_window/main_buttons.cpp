// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's buttons that open the other windows. The Options and
// About windows are modeless: a click shows one, or brings it forward.
#include "norv_main.h"

#include "common/application.h"
#include "language_options/about_form.h"
#include "language_options/norv_option.h"
#include "streams/add_stream.h"

namespace norv {

// The dialog opens on the type the list lacks, a value of 0 and bit/s.
void Norv_main::AddStreamButton_Click()
{
    const bool video = m_streams.hasVideoRow();
    auto& dialog = application().form<AddStream>();
    dialog.streamtype.setListIndex(video ? 1 : 0);
    dialog.dimensionestream.setText("0");
    dialog.tipodimensione(0).setValue(true);
    dialog.show(true);
}

void Norv_main::Option_Click() { application().form<Norv_option>().show(); }

void Norv_main::About_Click() { application().form<AboutForm>().show(); }

} // namespace norv
