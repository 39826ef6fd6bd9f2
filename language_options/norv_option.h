// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/control.h"
#include "common/option_button.h"
#include "common/window.h"

#include <cstdint>
#include <string_view>

namespace norv {

// The Options window: the language pair and the overhead check box. It owns
// the language operation, which rewrites the captions of every window.
class Norv_option : public Window {
public:
    static constexpr std::string_view kName = "Norv_option";
    explicit Norv_option(Application& app);

    Frame Frame1{*this, "Frame1", "Lingua"};
    OptionArray lingua{*this, "lingua", {"Italiano", "English"}}; // the language: 0 Italian, 1 English
    Frame Frame2{*this, "Frame2", "Overhead"};
    CheckBox overhead{*this, "overhead", "Calcola overhead"};      // 1: the container overhead counts

    // Switches the whole program to Italian (0) or English (1) and stores the
    // choice; any other index is ignored.
    void lingua_Click(std::int16_t index);
    void overhead_Click();

    void Form_Load() override;
};

} // namespace norv
