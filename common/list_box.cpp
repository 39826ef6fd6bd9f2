// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_box.h"

#include "application.h"
#include "run_time_error.h"

namespace norv {

void ListBox::check(int index) const
{
    if (index < 0 || index >= listCount())
        throw RunTimeError(RunTimeError::InvalidArgument);
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

void ListBox::clear()
{
    if (m_items.empty())
        return;
    m_items.clear();
    m_listIndex = -1;
    notifyView();
}

void ListBox::setListIndex(int index)
{
    if (index < -1 || index >= listCount())
        throw RunTimeError(RunTimeError::InvalidArgument);
    if (m_listIndex == index)
        return;
    m_listIndex = index;
    notifyView();
}

void ListBox::userSelect(int index)
{
    user([this, index] {
        if (enabled() && index >= -1 && index < listCount())
            setListIndex(index);
    });
}

void ListBox::userDblClick()
{
    user([this] {
        if (enabled())
            raise(DblClick);
    });
}

void ListBox::userMouseDown()
{
    user([this] {
        if (enabled())
            raise(MouseDown);
    });
}

void ListBox::userMouseUp()
{
    user([this] {
        if (enabled())
            raise(MouseUp);
    });
}

void ComboBox::addItem(std::string text, int index)
{
    if (index < 0 || index > listCount())
        throw RunTimeError(RunTimeError::InvalidArgument);
    m_items.insert(m_items.begin() + index, std::move(text));
    if (m_listIndex >= index)
        ++m_listIndex;
    notifyView();
}

void ComboBox::clear()
{
    if (m_items.empty() && m_listIndex == -1)
        return;
    m_items.clear();
    m_listIndex = -1;
    notifyView();
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= listCount())
        throw RunTimeError(RunTimeError::InvalidArgument);
    if (m_listIndex == index)
        return;
    m_listIndex = index;
    notifyView();
}

std::string ComboBox::text() const
{
    return m_listIndex < 0 ? std::string() : m_items[std::size_t(m_listIndex)];
}

void ComboBox::userSelect(int index)
{
    user([this, index] {
        if (enabled() && index >= 0 && index < listCount())
            setListIndex(index);
    });
}

} // namespace norv
