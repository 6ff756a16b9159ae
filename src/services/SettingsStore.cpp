#include "services/SettingsStore.h"

namespace mox {

std::string MemorySettingsStore::Read(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) const {
    const auto found = m_values.find({std::string(section), std::string(key)});
    return found == m_values.end() ? std::string(defaultValue) : found->second;
}

void MemorySettingsStore::Write(std::string_view section, std::string_view key, std::string_view value) {
    m_values[{std::string(section), std::string(key)}] = std::string(value);
}

}  // namespace mox
