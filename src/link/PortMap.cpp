#include "link/PortMap.h"

#include <algorithm>
#include <system_error>

#include "codecs/Tones.h"
#include "services/IniFile.h"
#include "services/NumberText.h"

namespace mox {

namespace {

constexpr const char* kSection = "ports";

// The number of a key "<prefix><n>" (any letter case), 0 for any other key.
int KeyNumber(const std::string& key, std::string_view prefix) {
    if (key.size() <= prefix.size())
        return 0;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(key[i])) != prefix[i])
            return 0;
    }
    const std::string digits = key.substr(prefix.size());
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
        const int number = KeyNumber(key, "COM");
        // The first of duplicate keys counts, as for every other INI value.
        if (number != 0 && !value.empty())
            entries.emplace(number, value);
    }
    return entries;
}

std::map<int, UsbIdentity> PortMap::Identities() const {
    std::map<int, UsbIdentity> identities;
    for (const auto& [key, value] : ReadIniSection(m_file, kSection)) {
        const int number = KeyNumber(key, "USB");
        if (const auto identity = ParseUsbIdentity(value); number != 0 && identity)
            identities.emplace(number, *identity);
    }
    return identities;
}

std::vector<PortEntry> PortMap::PortEntries() {
    std::map<int, std::string> entries = Entries();
    std::map<int, UsbIdentity> identities = Identities();
    std::map<int, SerialDevice> listed;
    std::set<int> taken;
    for (const SerialDevice& device : m_enumerator.ExistingDevices()) {
        int number = MatchDevice(device, entries, identities, taken);
        if (number == 0)
            number = AddEntry(entries, device.Path);
        if (number == 0)
            continue;
        StoreDevice(number, device, entries, identities);
        taken.insert(number);
        listed.emplace(number, device);
    }
    // Paths mapped by hand are not enumerated; they count while they exist. A USB adapter's number
    // counts only while the adapter itself is there: its old path may belong to another one now.
    for (const auto& [number, path] : entries) {
        if (identities.count(number) == 0 && listed.count(number) == 0 && PathExists(path))
            listed.emplace(number, SerialDevice(path));
    }
    std::vector<PortEntry> ports;
    for (const auto& [number, device] : listed)
        ports.push_back({number, device});
    return ports;
}

std::vector<int> PortMap::PortList() {
    std::vector<int> numbers;
    for (const PortEntry& entry : PortEntries())
        numbers.push_back(entry.Number);
    return numbers;
}

// The number a present device already has: a USB adapter by its identity (preferring the number whose
// path it still has, among identical adapters without serial numbers), any device by a path stored
// without an identity. 0 for a device seen for the first time.
int PortMap::MatchDevice(const SerialDevice& device, const std::map<int, std::string>& entries,
                         const std::map<int, UsbIdentity>& identities, const std::set<int>& taken) const {
    if (const auto seen = UsbIdentityOf(device)) {
        int match = 0;
        for (const auto& [number, stored] : identities) {
            if (taken.count(number) != 0 || !IsSameAdapter(stored, *seen))
                continue;
            const auto path = entries.find(number);
            if (match == 0 || (path != entries.end() && path->second == device.Path))
                match = number;
        }
        if (match != 0)
            return match;
    }
    for (const auto& [number, path] : entries) {
        if (path == device.Path && identities.count(number) == 0 && taken.count(number) == 0)
            return number;
    }
    return 0;
}

// Keeps the device's present path and, for a USB adapter, its identity.
void PortMap::StoreDevice(int number, const SerialDevice& device, std::map<int, std::string>& entries,
                          std::map<int, UsbIdentity>& identities) {
    const std::string key = WholeNumberText(number);
    if (entries[number] != device.Path && WriteIniString(m_file, kSection, "COM" + key, device.Path))
        entries[number] = device.Path;
    const auto seen = UsbIdentityOf(device);
    if (seen && identities.count(number) == 0 &&
        WriteIniString(m_file, kSection, "USB" + key, UsbIdentityText(*seen)))
        identities.emplace(number, *seen);
}

std::string PortMap::DevicePath(int number) const {
    const std::map<int, std::string> entries = Entries();
    const auto found = entries.find(number);
    if (found == entries.end())
        return {};
    const std::map<int, UsbIdentity> identities = Identities();
    const auto identity = identities.find(number);
    if (identity == identities.end())
        return found->second;
    std::string path;
    for (const SerialDevice& device : m_enumerator.ExistingDevices()) {
        const auto seen = UsbIdentityOf(device);
        if (seen && IsSameAdapter(identity->second, *seen) && (path.empty() || device.Path == found->second))
            path = device.Path;
    }
    return path;
}

std::string PortMap::MappedDevice(int number) const {
    const std::map<int, UsbIdentity> identities = Identities();
    if (const auto identity = identities.find(number); identity != identities.end()) {
        const UsbIdentity& usb = identity->second;
        std::string text = usb.Product.empty() ? std::string("USB") : usb.Product;
        text += " (" + HexPad(usb.VendorId, 4) + ":" + HexPad(usb.ProductId, 4);
        if (!usb.SerialNumber.empty())
            text += " " + usb.SerialNumber;
        return text + ")";
    }
    const std::map<int, std::string> entries = Entries();
    const auto found = entries.find(number);
    return found == entries.end() ? std::string() : found->second;
}

int PortMap::MapByHand(const std::string& devicePath) {
    std::map<int, std::string> entries = Entries();
    const int number = NumberOf(entries, Identities(), devicePath);
    return number != 0 ? number : AddEntry(entries, devicePath);
}

// A mapped USB adapter that is plugged in under this path keeps its number; any other path counts as
// mapped when it is stored without an identity.
int PortMap::NumberOf(const std::map<int, std::string>& entries, const std::map<int, UsbIdentity>& identities,
                      const std::string& devicePath) const {
    for (const SerialDevice& device : m_enumerator.ExistingDevices()) {
        const auto seen = UsbIdentityOf(device);
        if (device.Path != devicePath || !seen)
            continue;
        for (const auto& [number, stored] : identities) {
            if (IsSameAdapter(stored, *seen))
                return number;
        }
    }
    for (const auto& [number, path] : entries) {
        if (path == devicePath && identities.count(number) == 0)
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
