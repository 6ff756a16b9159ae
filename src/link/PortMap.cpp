#include "link/PortMap.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "services/IniFile.h"
#include "services/NumberText.h"

namespace mox {

namespace {

constexpr const char* kSection = "ports";

// The number of a key "COM<n>" (any letter case), 0 for any other key.
int KeyNumber(const std::string& key) {
    if (key.size() < 4)
        return 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(key[i])) != "COM"[i])
            return 0;
    }
    const std::string digits = key.substr(3);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    const int number = ParseWholeNumber(digits).value_or(0);
    return number >= 1 && number <= kHighestPortNumber ? number : 0;
}

bool PathExists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

}  // namespace

PortMap::PortMap(std::filesystem::path mysetupFile, const PortEnumerator& enumerator)
    : m_file(std::move(mysetupFile)), m_enumerator(enumerator) {}

std::map<int, std::string> PortMap::Entries() const {
    std::map<int, std::string> entries;
    for (const auto& [key, value] : ReadIniSection(m_file, kSection)) {
        const int number = KeyNumber(key);
        // The first of duplicate keys counts, as for every other INI value.
        if (number != 0 && !value.empty())
            entries.emplace(number, value);
    }
    return entries;
}

std::vector<int> PortMap::PortList() {
    std::map<int, std::string> entries = Entries();
    const std::vector<std::string> present = m_enumerator.ExistingDevices();
    std::set<int> listed;
    for (const std::string& device : present) {
        int number = NumberOf(entries, device);
        if (number == 0)
            number = AddEntry(entries, device);
        if (number != 0)
            listed.insert(number);
    }
    // Paths mapped by hand are not enumerated; they count while they exist.
    for (const auto& [number, path] : entries) {
        if (PathExists(path))
            listed.insert(number);
    }
    return {listed.begin(), listed.end()};
}

std::string PortMap::DevicePath(int number) const {
    const std::map<int, std::string> entries = Entries();
    const auto found = entries.find(number);
    return found == entries.end() ? std::string() : found->second;
}

int PortMap::MapByHand(const std::string& devicePath) {
    std::map<int, std::string> entries = Entries();
    const int number = NumberOf(entries, devicePath);
    return number != 0 ? number : AddEntry(entries, devicePath);
}

int PortMap::NumberOf(const std::map<int, std::string>& entries, const std::string& devicePath) const {
    for (const auto& [number, path] : entries) {
        if (path == devicePath)
            return number;
    }
    return 0;
}

int PortMap::AddEntry(std::map<int, std::string>& entries, const std::string& devicePath) {
    for (int number = 1; number <= kHighestPortNumber; ++number) {
        if (entries.count(number) != 0)
            continue;
        if (!WriteIniString(m_file, kSection, "COM" + WholeNumberText(number), devicePath))
            return 0;
        entries.emplace(number, devicePath);
        return number;
    }
    return 0;
}

}  // namespace mox
