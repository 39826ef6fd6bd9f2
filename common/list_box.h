// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <string>
#include <vector>

namespace norv {

// A list of item texts with at most one selected row (-1 for none).
// Adding, removing or rewriting items raises no event.
class ListBox : public Control {
public:
    using Control::Control;

    int listCount() const { return int(m_items.size()); }
    const std::string& item(int index) const;
    const std::vector<std::string>& items() const { return m_items; }
    void addItem(std::string text);
    void removeItem(int index);
    void setItem(int index, std::string text);
    void clear();

    int listIndex() const { return m_listIndex; }
    void setListIndex(int index);

    Handler DblClick;
    Handler MouseDown;
    Handler MouseUp;

    void userSelect(int index);
    void userDblClick();
    void userMouseDown();
    void userMouseUp();

private:
    void check(int index) const;
    std::vector<std::string> m_items;
    int m_listIndex = -1;
};

// A drop-down list without free text; its text is that of the selected entry.
class ComboBox : public Control {
public:
    using Control::Control;

    int listCount() const { return int(m_items.size()); }
    const std::vector<std::string>& items() const { return m_items; }
    void addItem(std::string text, int index);
    void clear();

    int listIndex() const { return m_listIndex; }
    void setListIndex(int index);
    // The selected entry's text, "" when none is selected.
    std::string text() const;

    void userSelect(int index);

private:
    std::vector<std::string> m_items;
    int m_listIndex = -1;
};

} // namespace norv
