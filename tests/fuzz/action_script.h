// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace norv::fuzz {

// What one input did: how many actions ran, how many run-time errors the
// error window reported, and the first broken invariant ("" when none).
struct Outcome {
    int actions = 0;
    int errors = 0;
    std::string violation;
};

// Decodes bytes as a whole program run over the window models: the stored
// settings and the number notation, then a sequence of user actions, each
// followed by a check of the invariants every state of Norv keeps.
Outcome run(std::span<const std::uint8_t> bytes);

// Windows as the input addresses them.
enum class Win : std::uint8_t { Main, AddStream, Options, Error, About };

// Writes inputs by hand: the seed corpus and named regressions.
class Script {
public:
    Script& comma();
    Script& stored(const std::string& language, const std::string& overhead);
    Script& type(Win window, const std::string& control, const std::string& text);
    Script& keys(Win window, const std::string& control, const std::string& text);
    Script& backspace(Win window, const std::string& control);
    Script& focus(Win window, const std::string& control);
    Script& click(Win window, const std::string& control);
    Script& dblclick(Win window, const std::string& control);
    Script& mouseDown(Win window, const std::string& control);
    Script& mouseUp(Win window, const std::string& control);
    Script& slide(Win window, const std::string& control, std::int32_t value);
    Script& step(Win window, const std::string& control, int delta);
    Script& select(Win window, const std::string& control, int index);
    Script& close(Win window);
    std::vector<std::uint8_t> bytes() const;

private:
    Script& action(int kind, Win window, const std::string& control);
    void text(const std::string& s);
    bool m_comma = false;
    std::string m_language = "English";
    std::string m_overhead = "0";
    std::vector<std::uint8_t> m_actions;
};

} // namespace norv::fuzz
