// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include "common/numbers.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace norv::planning {

// Sizes as people say them, turned into the byte count that `diskspace` takes.

enum class SizeUnit { Bytes, kB, KiB, MB, MiB, GB, GiB };

struct SizeUnitInfo {
    SizeUnit unit;
    std::string_view symbol; // the same in both languages
    double bytes;
};

// In the order of SizeUnit, as a unit list shows them.
inline constexpr std::array<SizeUnitInfo, 7> kSizeUnits = {{
    {SizeUnit::Bytes, "bytes", 1.0},
    {SizeUnit::kB, "kB", 1e3},
    {SizeUnit::KiB, "KiB", 1024.0},
    {SizeUnit::MB, "MB", 1e6},
    {SizeUnit::MiB, "MiB", 1048576.0},
    {SizeUnit::GB, "GB", 1e9},
    {SizeUnit::GiB, "GiB", 1073741824.0},
}};

enum class Disc { Cd650, Cd700, DvdSingleLayer, DvdDualLayer, Bd25, Bd50 };

// Each disc holds the user data of its smallest recordable format, in
// 2048-byte sectors, so a file planned for it fits whichever is burnt:
// - CD 650 MB (74 min) and 700 MB (80 min), CD-R and CD-RW alike: 333000 and
//   360000 sectors of a data track;
// - DVD single layer: DVD+R(W) has 2295104 sectors, DVD-R(W) 2298496;
// - DVD dual layer: DVD-R DL has 4171712 sectors, DVD+R DL 4173824;
// - BD 25 and 50 GB, BD-R and BD-RE alike: 12219392 and 24438784 sectors.
// The file system takes a little of that, and a BD formatted with spare
// areas for defect management takes some hundreds of MiB more: those are
// what the safety margin is for. Their names are the captions of the
// size helper's list (language_options).
struct DiscInfo {
    Disc disc;
    double bytes;
};

// In the order of Disc.
inline constexpr std::array<DiscInfo, 6> kDiscs = {{
    {Disc::Cd650, 333000.0 * 2048},
    {Disc::Cd700, 360000.0 * 2048},
    {Disc::DvdSingleLayer, 2295104.0 * 2048},
    {Disc::DvdDualLayer, 4171712.0 * 2048},
    {Disc::Bd25, 12219392.0 * 2048},
    {Disc::Bd50, 24438784.0 * 2048},
}};

// The number (in the user's notation) in the unit, less the safety margin in
// percent ("" for none), as whole bytes: fractions of a byte are dropped.
// Errors: Empty, NotANumber, Negative, Zero, TooLarge, BadMargin.
Result<std::int64_t> sizeInBytes(std::string_view number, SizeUnit unit, std::string_view margin,
                                 const NumberLocale& locale);

// The disc's capacity less the safety margin, as whole bytes.
Result<std::int64_t> discInBytes(Disc disc, std::string_view margin, const NumberLocale& locale);

// The text to type into `diskspace`: plain digits (no separators in either notation).
std::string bytesText(std::int64_t bytes);

} // namespace norv::planning
