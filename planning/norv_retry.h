// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "helper_window.h"
#include "second_try.h"

#include "common/list_box.h"

#include <string_view>

namespace norv::planning {

// The second try: the size of the file encoded with the plan, how far it
// landed from `diskspace`, and the corrected target, shown with its
// arithmetic as the user types; OK types the target into `diskspace`, and
// the usual double-click plans again.
class Norv_retry : public HelperWindow {
public:
    static constexpr std::string_view kName = "Norv_retry";
    Norv_retry(Application& app, TextBox& diskspace);

    Label Label1{*this, "Label1", "Dimensione reale del file"};
    TextBox realsize{*this, "realsize"};                   // the encoded file's size, in the unit
    Label Label2{*this, "Label2", "Unit\u00E0"};
    ComboBox realunit{*this, "realunit"};                  // kSizeUnits
    Label arithmetic{*this, "arithmetic", ""};             // plan, real size, difference, target
    Label message{*this, "message", ""};                   // why there is no target
    Button OK{*this, "OK", "OK"};
    Button Abort{*this, "Abort", "Annulla"};

    // Shows the window modal, its field empty and bytes chosen.
    void open();
    void realsize_Change() { Refresh_SecondTry(); }
    void realunit_Click() { Refresh_SecondTry(); }
    void OK_Click();
    void Abort_Click() { hide(); }
    void frameClose() override { Abort_Click(); }

private:
    Result<SecondTry> attempt() const;
    // The arithmetic for what is typed now; the reason where there is none,
    // unless nothing is typed yet.
    void Refresh_SecondTry();

    TextBox& m_diskspace;
};

} // namespace norv::planning
