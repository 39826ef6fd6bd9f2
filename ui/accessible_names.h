// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <string>
#include <vector>

class QLabel;
class QWidget;

namespace norv {
class Label;
}

namespace norv::ui {

// The names that screen readers give one window's inputs, each taken from
// the label beside it. A language switch rewrites the captions, so every
// name is rebuilt when a caption changes; the word that tells apart two
// inputs under one label follows the stored language.
class AccessibleNames : public QObject {
public:
    // Which of the inputs under one label a name is for.
    enum class Part { Whole, Width, Height, Slider, Codec, Percent, Size, Unit };

    explicit AccessibleNames(QWidget* view);

    // A label that names one input alone: it is also the input's buddy.
    void buddy(QLabel* label, Label& model, QWidget* input);
    void name(Label& label, QWidget* input, Part part = Part::Whole);
    // Names the inputs after the captions they show now; the window's
    // builder calls it once its inputs are all named.
    void refresh();

private:
    struct Entry {
        Label* label;
        QPointer<QWidget> input;
        Part part;
        std::string caption; // the one the name was made from
    };

    std::vector<Entry> m_entries;
};

} // namespace norv::ui
