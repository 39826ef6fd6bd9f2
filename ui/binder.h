// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>
#include <QRect>

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QWheelEvent;
class QWidget;

namespace norv {
class Button;
class CheckBox;
class ComboBox;
class Control;
class Frame;
class Label;
class ListBox;
class MenuItem;
class OptionButton;
class Slider;
class TextBox;
class Window;
} // namespace norv

namespace norv::ui {

// Mirrors one window model onto its Qt widgets, without echo: a model change
// rewrites only what differs, with the widget's signals blocked; only the
// user's own edits go back to the model, each through the event boundary.
// Every widget is a standard Qt class whose objectName is the control's name.
class Binder : public QObject {
public:
    Binder(Window& model, QWidget& top);
    ~Binder() override;

    QLineEdit* bind(TextBox& box, QWidget* parent, QRect rect);
    QSlider* bind(Slider& slider, QWidget* parent, QRect rect);
    QLabel* bind(Label& label, QWidget* parent, QRect rect);
    QPushButton* bind(Button& button, QWidget* parent, QRect rect);
    QComboBox* bind(ComboBox& combo, QWidget* parent, QRect rect);
    QListWidget* bind(ListBox& list, QWidget* parent, QRect rect);
    QRadioButton* bind(OptionButton& option, QWidget* parent, QRect rect);
    QCheckBox* bind(CheckBox& check, QWidget* parent, QRect rect);
    QGroupBox* bind(Frame& frame, QWidget* parent, QRect rect);
    // A menu entry, owned by owner; an entry with a shortcut is also one of
    // owner's actions, so that its key works wherever the focus is in the window.
    QAction* bind(MenuItem& item, QWidget* owner);

    Window* model() const { return m_model; }
    Control* controlOf(const QWidget* widget) const;
    QWidget* widgetOf(const Control* control) const;

    // The model is closed: from now on nothing reaches it.
    void detach();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attach(Control& control, QWidget* widget, std::function<void()> sync);
    bool keyDoubleClick(QObject* watched, QEvent* event);
    void mouseButton(QObject* watched, QEvent::Type type);
    bool wheelSteps(QSlider* slider, QWheelEvent* event);
    void endPress();
    void syncWindow();
    void fromUser(QWidget* widget, const std::function<void()>& action);

    Window* m_model;
    QWidget& m_top;
    // The field or list pressed and not yet released: its highlight is
    // restored however the press ends.
    Control* m_pressed = nullptr;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    std::unordered_map<const QWidget*, Control*> m_controls;
    std::unordered_map<const Control*, QWidget*> m_widgets;
    std::unordered_map<const QWidget*, std::function<void()>> m_syncs;
    std::unordered_map<const QWidget*, int> m_wheelRest; // of a notch, from fine-grained wheels
};

} // namespace norv::ui
