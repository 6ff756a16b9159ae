#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "link/SerialPort.h"

namespace mox {

constexpr int kHighestPortNumber = 255;

// Gives serial devices the small numbers the program and its settings use ("COM3" is number 3), the
// way Windows keeps a COM number for each adapter: a device seen for the first time gets the lowest
// free number and keeps it across runs. The map lives in mysetup.ini, section `ports`, keys `COM1`,
// `COM2`, ...; a user may map any path by hand (a simulator's pseudo-terminal, a udev alias).
class PortMap {
public:
    PortMap(std::filesystem::path mysetupFile, const PortEnumerator& enumerator);

    // The numbers of the mapped devices that exist now, ascending. Devices seen for the first time
    // are numbered and stored first.
    std::vector<int> PortList();
    // The device of a number; "" when the number is not mapped.
    std::string DevicePath(int number) const;
    // The number of a device path, numbering it when it is new; 0 when all numbers are taken or the
    // map cannot be stored.
    int MapByHand(const std::string& devicePath);
    // Number -> device path, as stored.
    std::map<int, std::string> Entries() const;

private:
    int NumberOf(const std::map<int, std::string>& entries, const std::string& devicePath) const;
    int AddEntry(std::map<int, std::string>& entries, const std::string& devicePath);

    std::filesystem::path m_file;
    const PortEnumerator& m_enumerator;
};

}  // namespace mox
