// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings_file.h"

#include "common/settings_store.h"

#include <map>
#include <string>
#include <tuple>

namespace norv::ui {

// The per-user store: one file per application (Norv's is
// $XDG_CONFIG_HOME/Norv/Norv.conf), the section a "[section]" of it. Its
// place is found at first use, from the environment the tests set. A value
// saved again unchanged is not written again. A value the file could not
// take (no place for it, a full disk, a lock that cannot be had, a file that
// is not Norv's to write) counts for the rest of the run; the file stays as
// it was.
class QtSettingsStore : public SettingsStore {
public:
    std::string get(const std::string& app, const std::string& section,
                    const std::string& key) const override;
    void save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;

private:
    SettingsFile& file(const std::string& app) const;

    mutable std::map<std::string, SettingsFile> m_files;
    std::map<std::tuple<std::string, std::string, std::string>, std::string> m_unwritten;
};

} // namespace norv::ui
