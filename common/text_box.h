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
    void userDblClick();
    void userMouseDown();
    void userMouseUp();

private:
    std::string m_text;
};

} // namespace norv
