#pragma once

// The per-user settings store: text values by section and key under the program's application
// name (the program title at start-up). The GUI keeps it on QSettings; the command-line tool and the
// tests keep it in memory.

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace mox {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored value, or `defaultValue` when the key has none.
    virtual std::string Read(std::string_view section, std::string_view key,
                             std::string_view defaultValue) const = 0;
    virtual void Write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

class MemorySettingsStore : public SettingsStore {
public:
    std::string Read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const override;
    void Write(std::string_view section, std::string_view key, std::string_view value) override;

private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};

}  // namespace mox
