// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_display.h"

#include "main_window/norv_main.h"

#include <QListWidget>
#include <QPointer>

namespace norv::ui {

void drawReadable(QWidget* result)
{
    QPalette palette = result->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    result->setPalette(palette);
}

void announceRows(QListWidget* types, Norv_main& m)
{
    const ListBox* const columns[] = {&m.streamlist, &m.streampercentual, &m.streamdimension, &m.dimensiontype};
    const QPointer<QListWidget> list(types);
    const auto announce = [list, columns] {
        if (!list)
            return;
        for (int row = 0; row < list->count(); ++row) {
            QStringList cells;
            for (const ListBox* column : columns)
                if (row < column->listCount() && !column->items()[std::size_t(row)].empty())
                    cells << QString::fromStdString(column->items()[std::size_t(row)]);
            QString text = cells.join(QLatin1Char(' '));
            // A row that cannot be encoded is announced with the reason.
            if (const std::string& warning = columns[0]->itemWarning(row); !warning.empty())
                text += QStringLiteral(". ") + QString::fromStdString(warning);
            QListWidgetItem* item = list->item(row);
            if (item->data(Qt::AccessibleTextRole).toString() != text)
                item->setData(Qt::AccessibleTextRole, text);
        }
    };
    for (ListBox* column : {&m.streamlist, &m.streampercentual, &m.streamdimension, &m.dimensiontype})
        column->changed.subscribe(announce);
    announce();
}

} // namespace norv::ui
