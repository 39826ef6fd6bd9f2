// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <tuple>

namespace norv {

// Persistent per-user text values addressed by application, section and key.
// get() gives "" for a key never written; save() creates or replaces at once.
// A store that cannot be read behaves as empty; one that cannot be written
// forgets quietly: the program shows no message for either.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string get(const std::string& app, const std::string& section,
                            const std::string& key) const = 0;
    virtual void save(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& value) = 0;
};

// The store for tests and for the model driven without a desktop.
class MemorySettingsStore : public SettingsStore {
public:
    std::string get(const std::string& app, const std::string& section,
                    const std::string& key) const override
    {
        auto it = m_values.find({app, section, key});
        return it == m_values.end() ? std::string() : it->second;
    }
    void save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override
    {
        m_values[{app, section, key}] = value;
        ++m_saves;
    }
    int saves() const { return m_saves; }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> m_values;
    int m_saves = 0;
};

} // namespace norv
