// SPDX-License-Identifier: GPL-3.0-or-later
#include "control.h"
#include "application.h"
#include "window.h"

namespace norv {

Control::Control(Window& window, std::string name) : m_window(window), m_name(std::move(name))
{
    window.add(*this);
}

Application& Control::application() const { return m_window.application(); }

void Control::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    notifyView();
}

void Control::setBackColor(Color color)
{
    if (m_backColor == color)
        return;
    m_backColor = color;
    notifyView();
}

void Control::setToolTip(std::string tip)
{
    if (m_toolTip == tip)
        return;
    m_toolTip = std::move(tip);
    notifyView();
}

void Control::setWarning(std::string warning)
{
    if (m_warning == warning)
        return;
    m_warning = std::move(warning);
    notifyView();
}

void Control::setFocus() { m_window.focus(*this); }

bool Control::hasFocus() const { return m_window.activeControl() == this; }

void Control::userFocus()
{
    user([this] {
        if (enabled())
            m_window.focus(*this);
    });
}

void Control::raise(const Handler& handler) const
{
    if (!handler)
        return;
    const EventDepth depth(application());
    handler();
}

void Control::user(const std::function<void()>& action) const { application().dispatch(action); }

void Control::userEvent(const Handler& handler) const
{
    user([this, &handler] {
        if (enabled())
            raise(handler);
    });
}

CaptionedControl::CaptionedControl(Window& window, std::string name, std::string caption)
    : Control(window, std::move(name)), m_caption(std::move(caption))
{
}

void CaptionedControl::setCaption(std::string caption)
{
    if (m_caption == caption)
        return;
    m_caption = std::move(caption);
    notifyView();
}

void Button::userClick() { userEvent(Click); }

void CheckBox::setValue(int value)
{
    value = value ? 1 : 0;
    if (m_value == value)
        return;
    m_value = value;
    notifyView();
}

void CheckBox::userClick()
{
    user([this] {
        if (!enabled())
            return;
        setValue(1 - m_value);
        raise(Click);
    });
}

} // namespace norv
