// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "event.h"
#include "numbers.h"

#include <string>
#include <string_view>
#include <vector>

namespace norv {

class Application;
class Control;

// A window model: its caption, whether it is shown (and modal), the control
// that holds its keyboard focus, and its controls. Each window class is named
// as the window, owns its controls as members named as the controls, and
// reads and writes their texts in the user's number notation.
class Window : protected FieldNumbers {
public:
    Window(Application& app, std::string name, std::string caption);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Application& application() const { return m_app; }
    const std::string& name() const { return m_name; }
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);

    bool visible() const { return m_visible; }
    bool modal() const { return m_modal; }
    void show(bool modal = false);
    void hide();

    // The focus moves inside the window: LostFocus of the control left runs
    // before GotFocus of the control entered.
    Control* activeControl() const { return m_active; }
    void focus(Control& control);

    const std::vector<Control*>& controls() const { return m_controls; }
    // The control of that name, null when the window has none.
    Control* control(std::string_view name) const;
    // The control of that name, which the caller knows the window has.
    Control& named(std::string_view name) const;

    // The load step, run once when the window comes into existence.
    virtual void Form_Load() {}
    // The unload step, run when the window is closed.
    virtual void Form_Unload() {}
    // What the close control of the window frame does: close the window.
    virtual void frameClose();
    // The user pressed the close control of the frame (through the boundary).
    void userClose();

    Event<> changed;                 // caption, shown, modal
    Event<> shown;                   // every show(): bring the window forward
    Event<Control&> focusRequested;  // focus moved by the program

private:
    friend class Control;
    void add(Control& control) { m_controls.push_back(&control); }

    Application& m_app;
    std::string m_name;
    std::string m_caption;
    bool m_visible = false;
    bool m_modal = false;
    Control* m_active = nullptr;
    std::vector<Control*> m_controls;
};

} // namespace norv
