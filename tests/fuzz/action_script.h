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

// An input written by hand, for the seed corpus and named regressions:
// statements split by ';', each "<window> <action> [control] [argument]"
// (windows main, add, opt, err, about; actions type, keys, back, focus,
// click, dbl, down, up, slide, step, select, close), or "comma", or
// "stored <language> <overhead>". A name that is no control throws.
std::vector<std::uint8_t> compile(const std::string& script);

} // namespace norv::fuzz
