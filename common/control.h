// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "event.h"

#include <functional>
#include <string>

namespace norv {

class Window;
class Application;

// An event slot of a control; its window plugs its handler in.
using Handler = std::function<void()>;

// What every control owns: its name, enabled state, background colour and
// tool-tip, the focus events, and a notification for the view that mirrors it.
// Setters return early when nothing changes: that early return is what ends
// the program's chains of nested change events.
class Control {
public:
    Control(Window& window, std::string name);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return m_name; }
    Window& window() const { return m_window; }
    Application& application() const;

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    Color backColor() const { return m_backColor; }
    void setBackColor(Color color);
    const std::string& toolTip() const { return m_toolTip; }
    void setToolTip(std::string tip);
    // Why the value shown cannot be encoded, "" when it can: view state
    // beside the tool-tip, set without raising any event.
    const std::string& warning() const { return m_warning; }
    void setWarning(std::string warning);

    // Moves the keyboard focus here from code.
    void setFocus();
    bool hasFocus() const;

    Handler GotFocus;
    Handler LostFocus;

    // The user put the focus here (through the event boundary).
    void userFocus();

    // The view subscribes here and mirrors the control on every change.
    Event<> changed;

protected:
    void notifyView() const { changed.notify(); }
    // Runs a handler as an event: nested, counted by the application's guard.
    void raise(const Handler& handler) const;
    // Runs a user action through the application's event boundary.
    void user(const std::function<void()>& action) const;
    // The user's event on an enabled control: its handler, through the boundary.
    void userEvent(const Handler& handler) const;

private:
    friend class Window;
    Window& m_window;
    std::string m_name;
    bool m_enabled = true;
    Color m_backColor = SystemColor::Window;
    std::string m_toolTip;
    std::string m_warning;
};

// A control that shows a caption: labels, buttons, frames, option buttons, check boxes.
class CaptionedControl : public Control {
public:
    CaptionedControl(Window& window, std::string name, std::string caption);
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);

private:
    std::string m_caption;
};

class Label : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
};

class Frame : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
};

// A picture or a line: drawn by the view, no state of its own.
class Decoration : public Control {
public:
    using Control::Control;
};

class Button : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    Handler Click;
    void userClick();
};

// A check box: value 0 or 1. Writing the value from code raises nothing.
class CheckBox : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    int value() const { return m_value; }
    void setValue(int value);
    Handler Click;
    // The user's click toggles the value and raises Click.
    void userClick();

private:
    int m_value = 0;
};

} // namespace norv
