// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "helper_window.h"

#include "common/list_box.h"

#include <string_view>

namespace norv::planning {

// The running length as people say it: a clock reading (h:mm:ss, m:ss,
// seconds) or a number of frames at the main window's frame rate, typed
// into `lenght` as seconds.
class Norv_length : public HelperWindow {
public:
    static constexpr std::string_view kName = "Norv_length";
    Norv_length(Application& app, TextBox& lenght, const TextBox& framerate);

    Label Label1{*this, "Label1", "Lunghezza"};
    TextBox lengthvalue{*this, "lengthvalue"};             // the clock reading or the frames
    Label Label2{*this, "Label2", "Espressa in"};
    ComboBox lengthunit{*this, "lengthunit"};              // 0 h:mm:ss, 1 frames
    Label Label3{*this, "Label3", "FPS"};
    Label currentrate{*this, "currentrate", ""};           // the frame rate the frames are counted at
    Label message{*this, "message", ""};                  // why a value was refused
    Button OK{*this, "OK", "OK"};
    Button Abort{*this, "Abort", "Annulla"};

    // Shows the window modal, its field empty, h:mm:ss chosen and the main
    // window's frame rate beside it.
    void open();
    void OK_Click();
    void Abort_Click() { hide(); }
    void frameClose() override { Abort_Click(); }

private:
    TextBox& m_lenght;
    const TextBox& m_framerate;
};

} // namespace norv::planning
