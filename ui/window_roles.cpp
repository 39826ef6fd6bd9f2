// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_roles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace norv::ui {

namespace {

QAccessibleInterface* windowRole(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow())
        return nullptr;
    if (widget->objectName() == QLatin1String("Norv_main"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (widget->objectName() == QLatin1String("Norv_error"))
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    return nullptr;
}

} // namespace

void installWindowRoles() { QAccessible::installFactory(windowRole); }

} // namespace norv::ui
