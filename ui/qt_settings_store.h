// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/settings_store.h"

#include <memory>

class QSettings;

namespace norv::ui {

// The per-user store on QSettings: organisation and application name are the
// application's ("Norv"), the section is a group ("Options"). A file that
// cannot be read reads as empty; one that cannot be written forgets quietly.
// A value saved again unchanged is not written again.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    ~QtSettingsStore() override;

    std::string get(const std::string& app, const std::string& section,
                    const std::string& key) const override;
    void save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;

private:
    QSettings& settings(const std::string& app) const;

    mutable std::unique_ptr<QSettings> m_settings; // opened at first use, where the tests redirect it
    mutable std::string m_app;
};

} // namespace norv::ui
