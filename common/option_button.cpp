// SPDX-License-Identifier: GPL-3.0-or-later
#include "option_button.h"
#include "run_time_error.h"

namespace norv {

OptionButton::OptionButton(Window& window, OptionArray& group, int index, std::string name,
                           std::string caption)
    : CaptionedControl(window, std::move(name), std::move(caption)), m_group(group), m_index(index)
{
}

void OptionButton::setValue(bool value)
{
    if (m_value == value)
        return;
    m_value = value;
    notifyView();
    if (!value)
        return;
    for (const auto& other : m_group.m_buttons) {
        if (other.get() != this && other->m_value) {
            other->m_value = false;
            other->notifyView();
        }
    }
    if (m_group.Click)
        raise([this] { m_group.Click(m_index); });
}

void OptionButton::userClick()
{
    user([this] {
        if (enabled())
            setValue(true);
    });
}

OptionArray::OptionArray(Window& window, const std::string& name,
                         const std::vector<std::string>& captions)
{
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const std::string element = name + "(" + std::to_string(i) + ")";
        m_buttons.push_back(std::make_unique<OptionButton>(window, *this, int(i), element, captions[i]));
    }
}

OptionButton& OptionArray::operator()(int index) const
{
    if (index < 0 || index >= count())
        throw RunTimeError(RunTimeError::InvalidArgument);
    return *m_buttons[std::size_t(index)];
}

int OptionArray::selected() const
{
    for (const auto& b : m_buttons)
        if (b->value())
            return b->index();
    return -1;
}

} // namespace norv
