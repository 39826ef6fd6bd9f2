// SPDX-License-Identifier: GPL-3.0-or-later
#include "helper_menus.h"

#include "binder.h"

#include "main_window/norv_main.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

namespace norv::ui {

namespace {

// The menu opens where the user asked for it (a right-click, the menu key)
// and is gone once closed; the entries are the window's and stay.
void popUp(QMenu* menu, const QList<QAction*>& entries, QPoint where)
{
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(entries);
    menu->popup(where);
}

// The toolkit's own menu of a field, with the helper's entries below it.
void extendMenu(QLineEdit* field, const QList<QAction*>& entries)
{
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, field, [field, entries](const QPoint& at) {
        QMenu* menu = field->createStandardContextMenu();
        menu->addSeparator();
        popUp(menu, entries, field->mapToGlobal(at));
    });
}

} // namespace

void addHelperMenus(QWidget* view, Binder& b, Norv_main& m, QLineEdit* diskspace, QLineEdit* lenght,
                    QLineEdit* framerate, QListWidget* streamlist)
{
    extendMenu(diskspace, {b.bind(m.sizehelper, view)});
    extendMenu(lenght, {b.bind(m.lengthhelper, view)});

    auto* rates = new QMenu(view);
    rates->setObjectName(QStringLiteral("rates"));
    for (int i = 0; i < m.rates.count(); ++i)
        rates->addAction(b.bind(m.rates(i), rates));
    QAction* common = b.bind(m.commonrates, view);
    common->setMenu(rates);
    extendMenu(framerate, {common});

    const QList<QAction*> streamEntries = {b.bind(m.secondtry, view), b.bind(m.copyplan, view),
                                           b.bind(m.copycommands, view)};
    streamlist->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(streamlist, &QWidget::customContextMenuRequested, streamlist,
                     [streamlist, streamEntries](const QPoint& at) {
                         popUp(new QMenu(streamlist), streamEntries, streamlist->viewport()->mapToGlobal(at));
                     });
}

} // namespace norv::ui
