// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "helper_window.h"

#include "common/list_box.h"

#include <string_view>

namespace norv::planning {

// The disk space as people say it: a number in a unit, or a disc, less a
// safety margin, typed into the main window's `diskspace` as whole bytes.
class Norv_size : public HelperWindow {
public:
    static constexpr std::string_view kName = "Norv_size";
    Norv_size(Application& app, TextBox& diskspace);

    Label Label1{*this, "Label1", "Dimensione"};
    TextBox sizevalue{*this, "sizevalue"};                 // the number, in the user's notation
    Label Label2{*this, "Label2", "Unit\u00E0 o disco"};
    ComboBox sizeunit{*this, "sizeunit"};                  // the units (kSizeUnits), then the discs (kDiscs)
    Label Label3{*this, "Label3", "Margine di sicurezza (%)"};
    TextBox margin{*this, "margin"};                       // percent kept free, "" for none
    Label message{*this, "message", ""};                   // why a value was refused
    Button OK{*this, "OK", "OK"};
    Button Abort{*this, "Abort", "Annulla"};

    // Shows the window modal, its fields empty and MB chosen.
    void open();
    // A disc has its own size: the number is not used then.
    void sizeunit_Click();
    void OK_Click();
    void Abort_Click() { hide(); }
    void frameClose() override { Abort_Click(); }

private:
    TextBox& m_diskspace;
};

} // namespace norv::planning
