#pragma once

#include <string>
#include <vector>

#include "link/PortMap.h"
#include "link/SerialPort.h"

namespace mox {

// What the port choosers show of the device behind a number, so that a dealer with several cables
// plugged in can tell them apart: its path, and for a USB adapter the maker and product the system
// reports (or its ids when it reports no names), e.g. "/dev/ttyUSB0 (FTDI FT232R USB UART)".
std::string DeviceDescription(const SerialDevice& device);

// "COM3" and, when the number stands for a device now, two blanks and that device's description.
std::string PortChoiceText(int number, const SerialDevice* device);
// The same for a number of the port list, with the device the list gives it.
std::string PortChoiceText(int number, const std::vector<PortEntry>& entries);

}  // namespace mox
