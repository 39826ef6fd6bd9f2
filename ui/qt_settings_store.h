// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/settings_store.h"

namespace norv::ui {

// The per-user store on QSettings: organisation and application name are the
// application's ("Norv"), the section is a group ("Options"). A file that
// cannot be read reads as empty; one that cannot be written forgets quietly.
class QtSettingsStore : public SettingsStore {
public:
    std::string get(const std::string& app, const std::string& section,
                    const std::string& key) const override;
    void save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;
};

} // namespace norv::ui
