// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace norv::ui {

// What screen readers are told some widgets are, where the widget's class
// says otherwise: the main window a frame, the error window an alert (its
// message read out when it appears), a line a separator. Installed before
// any window is made.
void installAccessibleRoles();

} // namespace norv::ui
