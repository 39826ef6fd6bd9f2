// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace norv {

// An entry of a context menu: a caption, the key that chooses it without
// the menu ("Ctrl+Shift+S", "" for none) and the Click the choice raises.
class MenuItem : public CaptionedControl {
public:
    MenuItem(Window& window, std::string name, std::string caption, std::string shortcut = {});

    const std::string& shortcut() const { return m_shortcut; }
    Handler Click;
    void userClick();

private:
    std::string m_shortcut;
};

// Entries made alike (a control array such as rates(0), rates(1)): Click
// carries the index of the one chosen.
class MenuArray {
public:
    MenuArray(Window& window, const std::string& name, const std::vector<std::string>& captions);

    MenuItem& operator()(int index) const;
    int count() const { return int(m_items.size()); }

    std::function<void(int)> Click;

private:
    std::vector<std::unique_ptr<MenuItem>> m_items;
};

} // namespace norv
