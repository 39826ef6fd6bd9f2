// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

namespace norv {

// A text field. Writing a different text runs Change before the write
// returns; writing the text it already holds runs nothing.
class TextBox : public Control {
public:
    TextBox(Window& window, std::string name, std::string text = {});

    const std::string& text() const { return m_text; }
    void setText(std::string text);

    Handler Change;
    Handler DblClick;
    Handler MouseDown;
    Handler MouseUp;

    // The user's edits, each through the event boundary.
    void userEdit(std::string text);
    // What a user's edit does, for an action already inside the boundary (a
    // helper window's button, a menu entry): only an enabled field takes
    // the text, and Change runs when it differs.
    void typeIn(std::string text);
    void userDblClick();
    void userMouseDown();
    void userMouseUp();

private:
    std::string m_text;
};

} // namespace norv
