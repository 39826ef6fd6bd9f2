// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace norv {

class Application;

// Starts the program: the main window comes up with its start-up state and
// the stored settings, and run-time errors are reported in the error window.
void Start(Application& app);

} // namespace norv
