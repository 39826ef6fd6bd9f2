// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

namespace norv {
class Control;
class ListBox;
} // namespace norv

namespace norv::ui {

// A red that keeps a contrast of at least 4.5:1 (with room to spare for the
// soft edges of the glyphs) against the background: darkened on a light
// background, lightened on a dark one.
QColor warningColor(const QColor& background);

// A field whose value cannot be encoded: its text in the warning colour,
// the warning as its accessible description (the tool-tip carries it too).
void markField(QLineEdit* edit, const Control& field);

// What a list shows of its rows' warnings, so that only what differs is
// redrawn: the text per row and the background it was coloured against.
struct ItemMarks {
    std::vector<std::string> warnings;
    QColor background;
};

// A list's marked rows: the text in the warning colour, the warning as the
// row's tool-tip and accessible description.
void markItems(QListWidget* list, const ListBox& model, ItemMarks& shown);

} // namespace norv::ui
