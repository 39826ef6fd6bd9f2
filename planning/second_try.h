// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"
#include "wording.h"

#include "common/numbers.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace norv::planning {

// The second try: how far the encoded file landed from the planned disk
// space, and the target that moves the allocation's pool back by that much.
struct SecondTry {
    double planned = 0;      // bytes, the `diskspace` text as it stands
    std::int64_t real = 0;   // bytes, the size of the encoded file
    double difference = 0;   // real - planned
    double percent = 0;      // the difference in percent of the plan
    std::int64_t target = 0; // planned - difference, whole bytes
};

// planned: the `diskspace` text; real: the file's size in bytes (sizes.h
// reads it as people say it). Errors: NoPlannedSize, Zero (no real size),
// TargetNotPositive, TooLarge.
Result<SecondTry> secondTry(std::string_view planned, std::int64_t real, const NumberLocale& locale);

// The arithmetic as the window shows it, one line each: the plan, the real
// size, the difference in bytes and percent, the corrected target.
std::string secondTryText(const SecondTry& attempt, Language language, const NumberLocale& locale);

} // namespace norv::planning
