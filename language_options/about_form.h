// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/control.h"
#include "common/window.h"

#include <string_view>

namespace norv {

// The About window: logo, title, copyright, licence and version. Its
// texts are the same in both languages.
class AboutForm : public Window {
public:
    static constexpr std::string_view kName = "AboutForm";
    explicit AboutForm(Application& app);

    Decoration logo{*this, "logo"};
    Label Label1{*this, "Label1", "Norv"};
    Decoration Line1{*this, "Line1"};
    Label Label2{*this, "Label2", "\u00A9 2026 Norv developers"};
    Label Label3{*this, "Label3", "Licence: GNU GPL v3 or later"};
    Label version{*this, "version", ""};

    void Form_Load() override;
};

} // namespace norv
