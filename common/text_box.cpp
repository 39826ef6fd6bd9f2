// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_box.h"

#include "application.h"

namespace norv {

TextBox::TextBox(Window& window, std::string name, std::string text)
    : Control(window, std::move(name)), m_text(std::move(text))
{
}

void TextBox::setText(std::string text)
{
    if (m_text == text)
        return;
    m_text = std::move(text);
    notifyView();
    ++application().statistics().changeEvents;
    raise(Change);
}

void TextBox::userEdit(std::string text)
{
    user([this, &text] { typeIn(std::move(text)); });
}

void TextBox::typeIn(std::string text)
{
    if (enabled())
        setText(std::move(text));
}

void TextBox::userDblClick() { userEvent(DblClick); }
void TextBox::userMouseDown() { userEvent(MouseDown); }
void TextBox::userMouseUp() { userEvent(MouseUp); }

} // namespace norv
