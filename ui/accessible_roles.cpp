// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_roles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>

namespace norv::ui {

namespace {

QAccessibleInterface* roleOf(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (widget->isWindow() && widget->objectName() == QLatin1String("Norv_main"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (widget->isWindow() && widget->objectName() == QLatin1String("Norv_error"))
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    if (auto* line = qobject_cast<QFrame*>(widget);
        line && line->metaObject() == &QFrame::staticMetaObject && line->frameShape() == QFrame::HLine)
        return new QAccessibleWidget(widget, QAccessible::Separator);
    return nullptr;
}

} // namespace

void installAccessibleRoles() { QAccessible::installFactory(roleOf); }

} // namespace norv::ui
