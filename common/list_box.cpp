// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_box.h"

#include "application.h"
#include "run_time_error.h"

namespace norv {

void ItemList::check(int index, bool endToo) const
{
    if (index < 0 || index > listCount() || (index == listCount() && !endToo))
        throw RunTimeError(RunTimeError::InvalidArgument);
}

void ItemList::clear()
{
    if (m_items.empty() && m_listIndex == -1)
        return;
    m_items.clear();
    m_listIndex = -1;
    notifyView();
}

void ItemList::setListIndex(int index)
{
    if (index != -1)
        check(index);
    if (m_listIndex == index)
        return;
    m_listIndex = index;
    notifyView();
}

void ItemList::userSelect(int index)
{
    user([this, index] {
        if (enabled() && index >= -1 && index < listCount())
            setListIndex(index);
    });
}

const std::string& ListBox::item(int index) const
{
    check(index);
    ++application().statistics().cellReads;
    return m_items[std::size_t(index)];
}

void ListBox::addItem(std::string text)
{
    m_items.push_back(std::move(text));
    notifyView();
}

void ListBox::removeItem(int index)
{
    check(index);
    m_items.erase(m_items.begin() + index);
    if (m_listIndex == index)
        m_listIndex = -1;
    else if (m_listIndex > index)
        --m_listIndex;
    notifyView();
}

void ListBox::setItem(int index, std::string text)
{
    check(index);
    if (m_items[std::size_t(index)] == text)
        return;
    m_items[std::size_t(index)] = std::move(text);
    notifyView();
}

const std::string& ListBox::itemWarning(int index) const
{
    static const std::string none;
    return index >= 0 && std::size_t(index) < m_warnings.size() ? m_warnings[std::size_t(index)] : none;
}

void ListBox::setItemWarnings(const std::vector<std::string>& warnings)
{
    if (m_warnings == warnings)
        return; // after most events: nothing copied, nothing redrawn
    m_warnings = warnings;
    notifyView();
}

void ComboBox::addItem(std::string text, int index)
{
    check(index, true);
    m_items.insert(m_items.begin() + index, std::move(text));
    if (m_listIndex >= index)
        ++m_listIndex;
    notifyView();
}

void ComboBox::userSelect(int index)
{
    user([this, index] {
        if (!enabled() || index < 0 || index >= listCount() || index == m_listIndex)
            return;
        setListIndex(index);
        raise(Click);
    });
}

std::string ComboBox::text() const
{
    return m_listIndex < 0 ? std::string() : m_items[std::size_t(m_listIndex)];
}

} // namespace norv
