// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <string>
#include <vector>

namespace norv {

// Item texts with at most one selected (-1 for none). Adding, removing or
// rewriting items raises no event.
class ItemList : public Control {
public:
    using Control::Control;

    int listCount() const { return int(m_items.size()); }
    const std::vector<std::string>& items() const { return m_items; }
    void clear();

    int listIndex() const { return m_listIndex; }
    void setListIndex(int index);
    void userSelect(int index);

protected:
    // Raises InvalidArgument unless index names an item (or may name the end).
    void check(int index, bool endToo = false) const;
    std::vector<std::string> m_items;
    int m_listIndex = -1;
};

// A list box: the stream columns.
class ListBox : public ItemList {
public:
    using ItemList::ItemList;

    const std::string& item(int index) const;
    void addItem(std::string text);
    void removeItem(int index);
    void setItem(int index, std::string text);

    // Per row, why it cannot be encoded ("" where it can, and beyond the
    // rows given): view state, set without raising any event.
    const std::string& itemWarning(int index) const;
    void setItemWarnings(const std::vector<std::string>& warnings);

    Handler DblClick;
    Handler MouseDown;
    Handler MouseUp;

    void userDblClick() { userEvent(DblClick); }
    void userMouseDown() { userEvent(MouseDown); }
    void userMouseUp() { userEvent(MouseUp); }

private:
    std::vector<std::string> m_warnings;
};

// A drop-down list without free text; its text is that of the selected entry.
class ComboBox : public ItemList {
public:
    using ItemList::ItemList;

    void addItem(std::string text, int index);
    // The selected entry's text, "" when none is selected.
    std::string text() const;
    // The user picks an entry (a drop-down offers no way to pick none);
    // Click runs when the selection changes.
    void userSelect(int index);
    Handler Click;
};

} // namespace norv
