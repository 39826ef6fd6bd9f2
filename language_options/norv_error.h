// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/control.h"
#include "common/window.h"

#include <string>
#include <string_view>

namespace norv {

// The error window: one message in a frame, shown without blocking anything.
// Its own buttons hide it, so it keeps its texts between uses.
class Norv_error : public Window {
public:
    static constexpr std::string_view kName = "Norv_error";
    explicit Norv_error(Application& app);

    Frame Frame1{*this, "Frame1", "Descrizione errore"};
    Label errordescription{*this, "errordescription", "Error"};
    Button Termina{*this, "Termina", "Termina"};
    Button Riprendi{*this, "Riprendi", "Riprendi"};
    Button Annulla{*this, "Annulla", "Annulla"};

    // A window created again (its frame's close destroys it) shows the
    // captions of the language in use, not its Italian design captions.
    void Form_Load() override;

    // Shows the window, then the message.
    void showMessage(const std::string& message);

    void Termina_Click();
    void Riprendi_Click();
    void Annulla_Click();
};

} // namespace norv
