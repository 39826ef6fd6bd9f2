// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's buttons that open the Options and About windows: each
// shows its window modeless, or brings it forward when it is open already.
#include "main_window/norv_main.h"

#include "about_form.h"
#include "common/application.h"
#include "norv_option.h"

namespace norv {

void Norv_main::Option_Click() { application().form<Norv_option>().show(); }

void Norv_main::About_Click() { application().form<AboutForm>().show(); }

} // namespace norv
