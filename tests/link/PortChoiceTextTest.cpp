#include <gtest/gtest.h>

#include "link/PortChoiceText.h"

namespace mox::test {
namespace {

SerialDevice Usb(const std::string& maker, const std::string& product) {
    SerialDevice device("/dev/ttyUSB0");
    device.VendorId = 0x067B;
    device.ProductId = 0x2303;
    device.Manufacturer = maker;
    device.Product = product;
    return device;
}

TEST(PortChoiceText, NamesThePathAndForUsbAdaptersTheMakerAndProduct) {
    const SerialDevice plain("/dev/ttyS0");
    EXPECT_EQ(PortChoiceText(1, &plain), "COM1  /dev/ttyS0");
    EXPECT_EQ(PortChoiceText(3, nullptr), "COM3");

    const struct {
        SerialDevice Device;
        const char* Expected;
    } cases[] = {
        {Usb("FTDI", "FT232R USB UART"), "/dev/ttyUSB0 (FTDI FT232R USB UART)"},
        // Many adapters repeat the maker at the start of the product name: it is not said twice.
        {Usb("Prolific", "Prolific USB-Serial Controller"), "/dev/ttyUSB0 (Prolific USB-Serial Controller)"},
        {Usb("", "CP2102 USB to UART Bridge"), "/dev/ttyUSB0 (CP2102 USB to UART Bridge)"},
        {Usb("QinHeng", ""), "/dev/ttyUSB0 (QinHeng)"},
        // An adapter that reports no names is known by its ids.
        {Usb("", ""), "/dev/ttyUSB0 (067B:2303)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeviceDescription(c.Device), c.Expected) << c.Expected;
}

TEST(PortChoiceText, APortOfTheListShowsTheDeviceTheListGivesIt) {
    const std::vector<PortEntry> entries = {{2, SerialDevice("/dev/ttyACM0")}, {5, Usb("FTDI", "FT232R")}};
    EXPECT_EQ(PortChoiceText(2, entries), "COM2  /dev/ttyACM0");
    EXPECT_EQ(PortChoiceText(5, entries), "COM5  /dev/ttyUSB0 (FTDI FT232R)");
    EXPECT_EQ(PortChoiceText(4, entries), "COM4");
}

}  // namespace
}  // namespace mox::test
