#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "link/SerialPort.h"
#include "link/UsbIdentity.h"

namespace mox {

constexpr int kHighestPortNumber = 255;

// A port of the port list: its number and the device that stands for it now.
struct PortEntry {
    int Number = 0;
    SerialDevice Device;
};

// Gives serial devices the small numbers the program and its settings use ("COM3" is number 3), the
// way Windows keeps a COM number for each adapter: a device seen for the first time gets the lowest
// free number and keeps it across runs. A USB adapter keeps its number in any USB socket: it is known
// by its serial number, or by its ids and product name where it has none, not by the device path the
// system gives it. The map lives in mysetup.ini, section `ports`: keys `COM1`, `COM2`, ... hold the
// device paths, and `USB1`, `USB2`, ... the identity of the USB adapters among them. A user may map
// any path by hand (a simulator's pseudo-terminal, a udev alias).
class PortMap {
public:
    PortMap(std::filesystem::path mysetupFile, const PortEnumerator& enumerator);

    // The ports that exist now with their devices, ascending by number. Devices seen for the first
    // time are numbered and stored first; a USB adapter found under another path has its path stored.
    std::vector<PortEntry> PortEntries();
    // Their numbers.
    std::vector<int> PortList();
    // The device of a number as it is now: where a mapped USB adapter is plugged in; "" when it is
    // not plugged in or the number is not mapped.
    std::string DevicePath(int number) const;
    // What a number was mapped to, for messages when its device is not there: the stored path, or the
    // product and ids of a USB adapter. "" when the number is not mapped.
    std::string MappedDevice(int number) const;
    // The number of a device path, numbering it when it is new; 0 when all numbers are taken or the
    // map cannot be stored.
    int MapByHand(const std::string& devicePath);
    // Number -> device path, as stored.
    std::map<int, std::string> Entries() const;

private:
    std::map<int, UsbIdentity> Identities() const;
    int MatchDevice(const SerialDevice& device, const std::map<int, std::string>& entries,
                    const std::map<int, UsbIdentity>& identities, const std::set<int>& taken) const;
    int NumberOf(const std::map<int, std::string>& entries, const std::map<int, UsbIdentity>& identities,
                 const std::string& devicePath) const;
    int AddEntry(std::map<int, std::string>& entries, const std::string& devicePath);
    void StoreDevice(int number, const SerialDevice& device, std::map<int, std::string>& entries,
                     std::map<int, UsbIdentity>& identities);

    std::filesystem::path m_file;
    const PortEnumerator& m_enumerator;
};

}  // namespace mox
