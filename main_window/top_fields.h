// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/numbers.h"

namespace norv {

class Application;
class Norv_main;

// The fields at the top of the main window that feed every calculation: the
// disk space, the running length and the frame rate. Their edits refresh the
// window, their double-clicks fill in the disk space the streams need or
// share out the percent streams, and a press on the disk space marks its inputs.
class TopFields : private FieldNumbers {
public:
    TopFields(Application& app, Norv_main& window);

    void framerate_Change();
    void lenght_Change();
    void lenght_DblClick();
    void diskspace_DblClick();
    void diskspace_MouseDown();
    void diskspace_MouseUp();

private:
    Application& m_app;
    Norv_main& m_main;
};

} // namespace norv
