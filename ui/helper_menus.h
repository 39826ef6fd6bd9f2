// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;
class QListWidget;
class QWidget;

namespace norv {
class Norv_main;
}

namespace norv::ui {

class Binder;

// The planning helpers in the main window: entries below the toolkit's own
// in the context menus of the disk space, the length and the frame rate (its
// common rates in a submenu), a context menu of the stream list, and the
// entries' shortcuts anywhere in the window.
void addHelperMenus(QWidget* view, Binder& binder, Norv_main& model, QLineEdit* diskspace, QLineEdit* lenght,
                    QLineEdit* framerate, QListWidget* streamlist);

} // namespace norv::ui
