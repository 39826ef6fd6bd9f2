// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace norv {

class Application;

// Tells the program how each of its windows is made, so that any code
// can reach a window by its name.
void RegisterWindows(Application& app);

// Starts the program: the windows registered, the main window up with its
// start-up state and the stored settings, and run-time errors reported in
// the error window.
void Start(Application& app);

} // namespace norv
