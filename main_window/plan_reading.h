// SPDX-License-Identifier: GPL-3.0-or-later
// The plan read as the refresh cycle and the allocation would read it, without
// writing a text, raising an event or counting a read: what the warnings
// are decided on.
#pragma once

#include "common/real.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norv {

class Norv_main;
class Numbers;
class TextBox;

// A text that begins with a digit other than 0 and has no exponent reads as
// 1 or more, however it is read: most texts are known positive at a glance.
bool atLeastOne(std::string_view text);

// The window's texts as the refresh cycle would leave the fields and as
// every reader takes the cells; the list items are read without counting,
// as a view reads them.
class PlanReader {
public:
    explicit PlanReader(const Norv_main& m);

    double cell(const std::string& text) const;
    double field(const TextBox& box) const;
    bool parallel() const;
    std::size_t rows() const { return types.size(); }
    bool fixed(std::size_t i) const { return percents[i].empty(); }
    // Its size cell written by the allocation and reading 0 or below.
    bool starved(std::size_t i) const;

    const Norv_main& m;
    const Numbers& n;
    const std::vector<std::string>& types;
    const std::vector<std::string>& percents;
    const std::vector<std::string>& sizes;
    const std::vector<std::string>& units;

private:
    bool isShortDecimal(std::string_view text) const;
};

// The allocation's pool and the disk-space double-click's sum, over the
// same readings the program would make at that moment.
class Budget {
public:
    explicit Budget(const PlanReader& r);

    Real overhead(Real diskSpace) const;
    // What the percent streams would share at this disk space.
    Real pool(Real diskSpace) const { return (diskSpace - overhead(diskSpace)) * 8 / length - fixedBits; }
    // The disk-space double-click's sum over the fixed streams, or, where the
    // overhead grows with the disk space and that sum still leaves the pool
    // below 0, the smallest whole disk space that does not.
    double fits() const;
    // The bitrate the allocation would give row i at the disk space typed.
    double shareNow(std::size_t i) const;

    const PlanReader& r;
    const double length;
    const double rate;
    const double disk;
    const bool overheadOn;
    const std::string container;
    Real fixedBits = 0;
    Real shares = 0;
};

} // namespace norv
