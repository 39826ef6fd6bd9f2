// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "captions.h"

#include "common/settings_store.h"

#include <string>

namespace norv::settings {

// The program's two user settings, under application "Norv", section "Options".
inline constexpr const char* kLanguage = "Language";
inline constexpr const char* kOverhead = "Overhead";
inline constexpr const char* kItalian = "Italiano";
inline constexpr const char* kEnglish = "English";

std::string get(const SettingsStore& store, const char* key);
void save(SettingsStore& store, const char* key, const std::string& value);

// Italian only for the exact text "Italiano"; anything else is English.
bool italian(const SettingsStore& store);
// The language the windows show.
inline Language shownLanguage(const SettingsStore& store) { return italian(store) ? Language::Italian : Language::English; }
// On when the stored text's leading number is exactly 1 (1, 1.0, " 1", 1x).
// Any other text, a number beyond range included, is off.
bool overheadOn(const SettingsStore& store);

} // namespace norv::settings
