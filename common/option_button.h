// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <functional>
#include <memory>
#include <vector>

namespace norv {

class OptionArray;

// One option button of a group (a control array such as lingua(0), lingua(1)).
class OptionButton : public CaptionedControl {
public:
    OptionButton(Window& window, OptionArray& group, int index, std::string name,
                 std::string caption);

    int index() const { return m_index; }
    bool value() const { return m_value; }
    // Selecting from code clears the others and raises the group's Click when
    // this button was not selected before; clearing raises nothing.
    void setValue(bool value);
    // The user's click: as a selection from code, so nothing on a selected button.
    void userClick();

private:
    friend class OptionArray;
    OptionArray& m_group;
    int m_index;
    bool m_value = false;
};

// The group: exactly the buttons made at construction, Click carries the index.
class OptionArray {
public:
    OptionArray(Window& window, const std::string& name, const std::vector<std::string>& captions);

    OptionButton& operator()(int index) const;
    int count() const { return int(m_buttons.size()); }
    // The selected index, -1 when none is.
    int selected() const;

    std::function<void(int)> Click;

private:
    friend class OptionButton;
    std::vector<std::unique_ptr<OptionButton>> m_buttons;
};

} // namespace norv
