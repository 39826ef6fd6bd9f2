// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace norv {

// The desktop's clipboard as the program uses it: plain text put there for
// another program to paste.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
    virtual std::string text() const = 0;
};

// The clipboard of the models driven without a desktop.
class MemoryClipboard : public Clipboard {
public:
    void setText(const std::string& text) override { m_text = text; }
    std::string text() const override { return m_text; }

private:
    std::string m_text;
};

} // namespace norv
