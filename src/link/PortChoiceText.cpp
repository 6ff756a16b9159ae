#include "link/PortChoiceText.h"

#include <optional>

#include "link/UsbIdentity.h"
#include "services/NumberText.h"

namespace mox {

namespace {

// The maker and the product as one name; a product name that already starts with the maker's name
// (as many adapters report it) is not preceded by it a second time.
std::string MakerAndProduct(const SerialDevice& device) {
    const std::string& maker = device.Manufacturer;
    const std::string& product = device.Product;
    if (maker.empty() || product.rfind(maker, 0) == 0)
        return product;
    if (product.empty())
        return maker;
    return maker + " " + product;
}

// The vendor and product ids as the system writes them, "0403:6001".
std::string UsbIds(const UsbIdentity& identity) {
    const std::string text = UsbIdentityText(identity);
    return text.substr(0, text.find(','));
}

}  // namespace

std::string DeviceDescription(const SerialDevice& device) {
    const std::optional<UsbIdentity> usb = UsbIdentityOf(device);
    if (!usb)
        return device.Path;
    const std::string name = MakerAndProduct(device);
    return device.Path + " (" + (name.empty() ? UsbIds(*usb) : name) + ")";
}

std::string PortChoiceText(int number, const SerialDevice* device) {
    std::string text = "COM" + WholeNumberText(number);
    if (device != nullptr && !device->Path.empty())
        text += "  " + DeviceDescription(*device);
    return text;
}

std::string PortChoiceText(int number, const std::vector<PortEntry>& entries) {
    for (const PortEntry& entry : entries) {
        if (entry.Number == number)
            return PortChoiceText(number, &entry.Device);
    }
    return PortChoiceText(number, nullptr);
}

}  // namespace mox
