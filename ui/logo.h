// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QLabel;
class QWidget;

namespace norv::ui {

// The program's logo filling its place (its proportions kept), named for
// screen readers.
QLabel* logo(QWidget* parent, const char* name, QRect rect);

} // namespace norv::ui
