// SPDX-License-Identifier: GPL-3.0-or-later
#include "warning_marks.h"

#include "common/control.h"
#include "common/list_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <cmath>

namespace norv::ui {

namespace {

// The glyphs' edges are blended into the background: aim above 4.5:1.
constexpr double kContrast = 6.0;

// WCAG's relative luminance and contrast ratio.
double luminance(const QColor& c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor mixed(const QColor& from, const QColor& to, double t)
{
    const auto channel = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return {channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue())};
}

} // namespace

QColor warningColor(const QColor& background)
{
    const QColor red(204, 0, 0);
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor extreme = contrast(black, background) >= contrast(white, background) ? black : white;
    for (int step = 0; step <= 40; ++step) {
        const QColor color = mixed(red, extreme, step / 40.0);
        if (contrast(color, background) >= kContrast)
            return color;
    }
    return extreme; // a mid grey: nothing red reads on it
}

void markField(QLineEdit* edit, const Control& field)
{
    const bool marked = !field.warning().empty();
    const QPalette standard = QApplication::palette(edit);
    QPalette palette = edit->palette();
    bool differs = false;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text =
            marked ? warningColor(palette.color(group, QPalette::Base)) : standard.color(group, QPalette::Text);
        if (palette.color(group, QPalette::Text) != text) {
            palette.setColor(group, QPalette::Text, text);
            differs = true;
        }
    }
    if (differs)
        edit->setPalette(palette);
    const QString description = QString::fromStdString(field.warning());
    if (edit->accessibleDescription() != description)
        edit->setAccessibleDescription(description);
}

void markItems(QListWidget* list, const ListBox& model, ItemMarks& shown)
{
    // Rows are drawn on the list's own background, in the disabled colours
    // where the list takes no input.
    const QColor background =
        list->palette().color(list->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base);
    const bool recolour = background != shown.background;
    shown.background = background;
    const int rows = list->count();
    shown.warnings.resize(std::size_t(rows)); // a new item has no mark yet
    for (int row = 0; row < rows; ++row) {
        const std::string& warning = model.itemWarning(row);
        std::string& was = shown.warnings[std::size_t(row)];
        if (warning == was && (warning.empty() || !recolour))
            continue;
        QListWidgetItem* item = list->item(row);
        if (warning.empty()) {
            item->setData(Qt::ForegroundRole, QVariant());
            item->setData(Qt::ToolTipRole, QVariant());
            item->setData(Qt::AccessibleDescriptionRole, QVariant());
        } else {
            const QString text = QString::fromStdString(warning);
            item->setForeground(warningColor(background));
            item->setData(Qt::ToolTipRole, text);
            item->setData(Qt::AccessibleDescriptionRole, text);
        }
        was = warning;
    }
}

} // namespace norv::ui
