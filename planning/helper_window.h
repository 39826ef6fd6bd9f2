// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include "common/control.h"
#include "common/text_box.h"
#include "common/window.h"
#include "language_options/captions.h"

#include <string>

namespace norv::planning {

// What the helper windows share. Each is a small modal window, opened afresh
// each time (it keeps nothing from one use to the next), that reads what the
// user says in its own fields and gives the main window a value only through
// a field, as the user's typing would.
class HelperWindow : public Window {
public:
    HelperWindow(Application& app, std::string name, std::string caption);

    // The language the captions show, for the words the helper writes itself.
    Language language() const;

    // Made after the language was applied: the texts of the language in use.
    void Form_Load() override;

protected:
    // Bad input: the reason in the message label; nothing else changes.
    void refuse(Label& message, InputError error);
    // The value goes where the user would type it, the window out of the way
    // first, so that a run-time error the field's change raises is reported
    // over the main window.
    void typeInto(TextBox& field, std::string text);
};

} // namespace norv::planning
