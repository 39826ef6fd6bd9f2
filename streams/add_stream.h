// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stream_list.h"

#include "common/calculation_core.h"
#include "common/control.h"
#include "common/list_box.h"
#include "common/option_button.h"
#include "common/slider.h"
#include "common/text_box.h"
#include "common/window.h"

#include <cstdint>
#include <string_view>

namespace norv {

// What the dialog works on in the main window, handed in by whoever makes
// the dialog: the refresh cycle and bitrate, the stream list it appends to,
// and the fields its quality refresh reads and writes.
struct AddStreamLinks {
    CalculationCore& core;
    StreamList& streams;
    std::int32_t& hasfocus;
    const TextBox& fwidth;
    const TextBox& xdivisible;
    const TextBox& ydivisible;
    const TextBox& prop1;
    const TextBox& prop2;
    const TextBox& framerate;
    TextBox& videoquality;
    Slider& videoqualitys;
};

// The dialog that appends a stream to the main window's list: a type, a
// value, and whether the value is a bitrate, a size or a percent share. One
// window for the whole run, hidden between uses, so it keeps its inputs.
class AddStream : public Window {
public:
    static constexpr std::string_view kName = "AddStream";
    AddStream(Application& app, const AddStreamLinks& links);

    ComboBox streamtype{*this, "streamtype"};                // "Video", "Audio", the subtitles
    TextBox dimensionestream{*this, "dimensionestream", "0"}; // the value
    OptionArray tipodimensione{*this, "tipodimensione", {"", "", ""}}; // 0 bit/s, 1 bytes, 2 percent
    Label Label1{*this, "Label1", "Tipo stream"};
    Label Label2{*this, "Label2", "Dimensione"};
    Label Label3{*this, "Label3", "bitrate"};
    Label Label4{*this, "Label4", "dimensione"};
    Label Label5{*this, "Label5", "%"};
    Button Add{*this, "Add", "Aggiungi"};
    Button Abort{*this, "Abort", "Annulla"};

    // The value last in the field when the percent option was chosen.
    std::int32_t savedsize = 0;

    void tipodimensione_Click(int index);
    void Add_Click();
    void Abort_Click();
    // Brings the main window's quality figure up to date after the bitrate changed.
    void Refresh_VideoQuality();

    // The frame's close control cancels, so the dialog and its language stay.
    void frameClose() override { Abort_Click(); }

private:
    void NormalizeStreamSize();
    void appendRow(const std::string& type, const std::string& value);

    AddStreamLinks m_main;
};

} // namespace norv
