// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "action_script.h"

#include <string>
#include <utility>
#include <vector>

namespace norv::fuzz {

// The worked examples as scripts (see compile): the start of the fuzzer's corpus.
std::vector<std::pair<std::string, std::string>> seeds();

} // namespace norv::fuzz
