// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/clipboard.h"

namespace norv::ui {

// The desktop's clipboard, as plain text.
class QtClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;
    std::string text() const override;
};

} // namespace norv::ui
