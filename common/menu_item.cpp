// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_item.h"

#include "run_time_error.h"

namespace norv {

MenuItem::MenuItem(Window& window, std::string name, std::string caption, std::string shortcut)
    : CaptionedControl(window, std::move(name), std::move(caption)), m_shortcut(std::move(shortcut))
{
}

void MenuItem::userClick() { userEvent(Click); }

MenuArray::MenuArray(Window& window, const std::string& name, const std::vector<std::string>& captions)
{
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto item = std::make_unique<MenuItem>(window, name + "(" + std::to_string(i) + ")", captions[i]);
        item->Click = [this, i] {
            if (Click)
                Click(int(i));
        };
        m_items.push_back(std::move(item));
    }
}

MenuItem& MenuArray::operator()(int index) const
{
    if (index < 0 || index >= count())
        throw RunTimeError(RunTimeError::InvalidArgument);
    return *m_items[std::size_t(index)];
}

} // namespace norv
