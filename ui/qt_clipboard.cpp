// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace norv::ui {

void QtClipboard::setText(const std::string& text) { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); }

std::string QtClipboard::text() const { return QGuiApplication::clipboard()->text().toStdString(); }

} // namespace norv::ui
