// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/settings_store.h"

#include <memory>

class QSettings;

namespace norv::ui {

// The per-user store on QSettings, in $XDG_CONFIG_HOME/<app>/<app>.conf (the
// application is "Norv"), the section a group ("Options"). A file that cannot
// be read reads as empty; one that cannot be written keeps the values for the
// run only. Something other than a file in its place (a folder, a pipe that
// would block the start) is left alone and the values live in memory. A value
// saved again unchanged is not written again.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    ~QtSettingsStore() override;

    std::string get(const std::string& app, const std::string& section,
                    const std::string& key) const override;
    void save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;

private:
    // The settings of app, or null when its file cannot be used at all.
    QSettings* settings(const std::string& app) const;

    mutable std::unique_ptr<QSettings> m_settings; // opened at first use, where the tests redirect it
    mutable std::string m_app;
    MemorySettingsStore m_fallback;
};

} // namespace norv::ui
