// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"
#include "application.h"
#include "control.h"

#include <stdexcept>

namespace norv {

Window::Window(Application& app, std::string name, std::string caption)
    : FieldNumbers(app.numbers()), m_app(app), m_name(std::move(name)), m_caption(std::move(caption))
{
}

void Window::setCaption(std::string caption)
{
    if (m_caption == caption)
        return;
    m_caption = std::move(caption);
    changed.notify();
}

void Window::show(bool modal)
{
    if (!m_visible || m_modal != modal) {
        m_visible = true;
        m_modal = modal;
        changed.notify();
    }
    shown.notify();
}

void Window::hide()
{
    if (!m_visible)
        return;
    m_visible = false;
    m_modal = false;
    changed.notify();
}

void Window::focus(Control& control)
{
    if (m_active == &control)
        return;
    Control* left = m_active;
    m_active = &control;
    focusRequested.notify(control);
    if (left)
        left->raise(left->LostFocus);
    control.raise(control.GotFocus);
}

Control* Window::control(std::string_view name) const
{
    for (Control* c : m_controls)
        if (c->name() == name)
            return c;
    return nullptr;
}

Control& Window::named(std::string_view name) const
{
    if (Control* c = control(name))
        return *c;
    throw std::logic_error(m_name + " has no control " + std::string(name));
}

void Window::frameClose() { m_app.unload(*this); }

void Window::userClose()
{
    m_app.dispatch([this] { frameClose(); });
}

} // namespace norv
