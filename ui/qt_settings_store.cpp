// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_settings_store.h"

#include "common/settings_text.h"

#include <QtGlobal>

namespace norv::ui {

SettingsFile& QtSettingsStore::file(const std::string& app) const
{
    auto it = m_files.find(app);
    if (it == m_files.end()) {
        const QString name = QString::fromStdString(app);
        it = m_files.try_emplace(app, settingsFilePath(name, qgetenv("XDG_CONFIG_HOME"), qgetenv("HOME"))).first;
    }
    return it->second;
}

std::string QtSettingsStore::get(const std::string& app, const std::string& section,
                                 const std::string& key) const
{
    if (const auto it = m_unwritten.find({app, section, key}); it != m_unwritten.end())
        return it->second;
    // Read again each time: another running Norv may have saved meanwhile.
    return settingsValue(file(app).text(), section, key).value_or(std::string());
}

void QtSettingsStore::save(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& value)
{
    if (get(app, section, key) == value)
        return;
    m_unwritten[{app, section, key}] = value;
    const auto first = m_unwritten.lower_bound({app, {}, {}});
    auto last = first;
    while (last != m_unwritten.end() && std::get<0>(last->first) == app)
        ++last;
    const bool written = file(app).rewrite([&](std::string text) {
        for (auto it = first; it != last; ++it)
            text = withSetting(text, std::get<1>(it->first), std::get<2>(it->first), it->second);
        return text;
    });
    if (written)
        m_unwritten.erase(first, last);
}

} // namespace norv::ui
