// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace norv::ui {

// What screen readers are told each top-level window is: the main window a
// frame and the error window an alert, whose message is read out when it
// appears (the dialogs are dialogs already). Installed before any window.
void installWindowRoles();

} // namespace norv::ui
