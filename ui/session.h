// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop.h"
#include "qt_clipboard.h"
#include "qt_settings_store.h"

#include "common/application.h"

namespace norv::ui {

// The application-wide set-up Norv needs before any window: its names for
// the settings and the desktop, its window icon, and the design's scale.
void configureApplication();

// Norv on the desktop: the per-user store, the clipboard, the program in the
// user's number notation, and the views of its windows.
class Session {
public:
    Session();
    QtSettingsStore store;
    QtClipboard clipboard;
    Application app;
    Desktop desktop;
};

} // namespace norv::ui
