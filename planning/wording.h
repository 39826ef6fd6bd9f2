// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include "language_options/captions.h"

#include <string>

namespace norv::planning {

using norv::Language;

// The few words of the helpers' own texts, one row per text in both languages.
enum class Wording {
    PlannedSize,   // second try: the disk space planned
    RealSize,      // second try: the size of the encoded file
    Difference,
    OfThePlan,     // "(+2% of the plan)"
    CorrectedTarget,
    AviCommands,   // comment above the command lines for AVI
    OggCommands,   // comment above the command lines for OGM
};

const std::string& words(Wording wording, Language language);

// A clear message for the helper's window.
const std::string& message(InputError error, Language language);

} // namespace norv::planning
