// SPDX-License-Identifier: GPL-3.0-or-later
#include "slider.h"

#include "application.h"

#include <algorithm>

namespace norv {

Slider::Slider(Window& window, std::string name, std::int32_t min, std::int32_t max,
               std::int32_t value)
    : Control(window, std::move(name)), m_min(min), m_max(std::max(min, max)),
      m_value(std::clamp(value, m_min, m_max))
{
}

void Slider::setMin(std::int32_t min)
{
    if (m_min == min)
        return;
    m_min = min;
    m_max = std::max(m_max, m_min);
    notifyView();
    moveInto();
}

void Slider::setMax(std::int32_t max)
{
    max = std::max(max, m_min);
    if (m_max == max)
        return;
    m_max = max;
    notifyView();
    moveInto();
}

void Slider::setValue(std::int32_t value)
{
    value = std::clamp(value, m_min, m_max);
    if (m_value == value)
        return;
    m_value = value;
    notifyView();
    ++application().statistics().changeEvents;
    raise(Change);
}

void Slider::moveInto() { setValue(m_value); }

void Slider::userMove(std::int32_t value)
{
    user([this, value] {
        if (enabled())
            setValue(value);
    });
}

} // namespace norv
