// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace norv {

// The user's number notation: read once from the desktop and handed to the
// models, so the logic never depends on the C library's locale.
struct NumberLocale {
    std::string decimal = ".";
    std::string group = ",";

    static NumberLocale point() { return {".", ","}; }
    static NumberLocale comma() { return {",", "."}; }
};

} // namespace norv
