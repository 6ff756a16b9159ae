#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/SerialPort.h"

namespace mox {

// What tells one USB serial adapter from another wherever it is plugged in: its serial number where
// it has one, else its vendor and product ids with the product name.
struct UsbIdentity {
    std::uint16_t VendorId = 0;
    std::uint16_t ProductId = 0;
    std::string SerialNumber;
    std::string Product;
};

// Nothing for a device that is no USB adapter.
std::optional<UsbIdentity> UsbIdentityOf(const SerialDevice& device);

// Stored as "0403:6001,A50285BI,FT232R USB UART" (ids in hexadecimal, serial number, product).
std::string UsbIdentityText(const UsbIdentity& identity);
std::optional<UsbIdentity> ParseUsbIdentity(std::string_view text);

// The same adapter: equal ids, and equal serial numbers when both have one, else equal product names.
bool IsSameAdapter(const UsbIdentity& stored, const UsbIdentity& seen);

}  // namespace mox
