// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QListWidget;
class QWidget;

namespace norv {
class Norv_main;
}

namespace norv::ui {

// The results stay display-only (disabled), but their text is drawn in the
// palette's normal text colour, not the faint disabled one.
void drawReadable(QWidget* result);

// The stream rows as a screen reader meets them: the type column takes the
// focus, and each of its rows is announced whole, type, share, size and unit,
// and why it cannot be encoded where it cannot.
void announceRows(QListWidget* types, Norv_main& model);

} // namespace norv::ui
