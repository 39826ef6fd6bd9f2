// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include "common/numbers.h"
#include "common/run_time_error.h"

namespace norv::settings {

namespace {
constexpr const char* kApp = "Norv";
constexpr const char* kSection = "Options";
} // namespace

std::string get(const SettingsStore& store, const char* key) { return store.get(kApp, kSection, key); }

void save(SettingsStore& store, const char* key, const std::string& value)
{
    store.save(kApp, kSection, key, value);
}

bool italian(const SettingsStore& store) { return get(store, kLanguage) == kItalian; }

bool overheadOn(const SettingsStore& store)
{
    try {
        // The stored value keeps the plain reading, whatever the user's notation.
        return LeadingNumber(get(store, kOverhead)) == 1.0;
    } catch (const RunTimeError&) {
        return false; // a stored "1e999" is not a setting, and no message is shown
    }
}

} // namespace norv::settings
