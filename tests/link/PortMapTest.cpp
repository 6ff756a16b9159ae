#include "services/IniFile.h"
#include "services/SetupFile.h"
#include "services/Texts.h"
#include "support/LinkFixture.h"

namespace mox::test {
namespace {

SerialDevice Usb(const std::string& path, std::uint16_t productId, const std::string& serial,
                 const std::string& product) {
    SerialDevice device(path);
    device.VendorId = 0x0403;
    device.ProductId = productId;
    device.Manufacturer = "FTDI";
    device.Product = product;
    device.SerialNumber = serial;
    return device;
}

class PortMapTest : public LinkFixture {
protected:
    PortMap Reopened() const { return PortMap(state.Paths.SetupFile, enumerator); }
    std::string Stored(const std::string& key) const {
        return ReadIniString(state.Paths.SetupFile, "ports", key);
    }
};

TEST_F(PortMapTest, NewDevicesGetTheLowestFreeNumberAndKeepItAcrossRuns) {
    enumerator.Devices = {"/dev/ttyUSB1", kCable};
    EXPECT_EQ(ports->PortList(), (std::vector<int>{1, 2}));
    EXPECT_EQ(ports->DevicePath(2), "/dev/ttyUSB1");

    // COM1's adapter is away; a new one takes no number in use, and COM1 is not listed.
    enumerator.Devices = {"/dev/ttyACM0", "/dev/ttyUSB1"};
    PortMap later = Reopened();
    EXPECT_EQ(later.PortList(), (std::vector<int>{2, 3}));
    EXPECT_EQ(later.DevicePath(3), "/dev/ttyACM0");
    EXPECT_EQ(later.DevicePath(1), kCable);
    EXPECT_EQ(ReadIniString(state.Paths.SetupFile, "ports", "COM3"), "/dev/ttyACM0");
}

TEST_F(PortMapTest, UsbAdapterKeepsItsNumberInAnotherSocket) {
    // COM1 was the cable's path before adapters were told apart; the adapter found there keeps it.
    const SerialDevice first = Usb(kCable, 0x6001, "A50285BI", "FT232R USB UART");
    const SerialDevice second = Usb("/dev/ttyUSB1", 0x6001, "A9XK01", "FT232R USB UART");
    enumerator.Devices = {first, second};
    EXPECT_EQ(ports->PortList(), (std::vector<int>{1, 2}));
    EXPECT_EQ(Stored("USB1"), "0403:6001,A50285BI,FT232R USB UART");

    // Plugged in the other way round, each is known by its serial number.
    enumerator.Devices = {Usb("/dev/ttyUSB1", 0x6001, "A50285BI", "FT232R USB UART"),
                          Usb(kCable, 0x6001, "A9XK01", "FT232R USB UART")};
    PortMap later = Reopened();
    EXPECT_EQ(later.PortList(), (std::vector<int>{1, 2}));
    EXPECT_EQ(later.DevicePath(1), "/dev/ttyUSB1");
    EXPECT_EQ(later.DevicePath(2), kCable);
    EXPECT_EQ(Stored("COM1"), "/dev/ttyUSB1");
    EXPECT_EQ(later.MapByHand("/dev/ttyUSB1"), 1);

    // Without serial numbers the ids and the product name tell adapters apart.
    enumerator.Devices = {Usb("/dev/ttyUSB3", 0x6015, "", "FT231X USB UART")};
    EXPECT_EQ(Reopened().PortList(), std::vector<int>{3});
    enumerator.Devices = {Usb("/dev/ttyUSB0", 0x6015, "", "FT231X USB UART"),
                          Usb("/dev/ttyUSB3", 0x6015, "", "Other UART")};
    EXPECT_EQ(Reopened().PortList(), (std::vector<int>{3, 4}));
    EXPECT_EQ(Reopened().DevicePath(3), "/dev/ttyUSB0");
    EXPECT_EQ(Reopened().DevicePath(4), "/dev/ttyUSB3");
}

TEST_F(PortMapTest, UnpluggedAdapterLeavesItsOldPathToAnotherAndIsNamedWhenChosen) {
    enumerator.Devices = {Usb("/dev/ttyUSB1", 0x6001, "A50285BI", "FT232R USB UART")};
    ASSERT_EQ(ports->PortList(), (std::vector<int>{2}));
    enumerator.Devices = {Usb("/dev/ttyUSB1", 0x6001, "A9XK01", "FT232R USB UART")};
    EXPECT_EQ(ports->PortList(), (std::vector<int>{3}));
    EXPECT_EQ(ports->DevicePath(2), "");
    EXPECT_EQ(ports->MappedDevice(2), "FT232R USB UART (0403:6001 A50285BI)");

    state.Link.PortNumber = 2;
    Engine().ReadFromRadio();
    EXPECT_EQ(LastPromptText(),
              GetLanguageText(state, 9003) +
                  "\r\n\r\nThe device FT232R USB UART (0403:6001 A50285BI) is not there. Plug "
                  "the programming cable in, or choose the port it is on.");
    EXPECT_TRUE(port.OpenFailures.empty());
}

TEST_F(PortMapTest, PathMappedByHandIsListedWhileItExists) {
    const std::filesystem::path pty = folder.Root() / "pty-link";
    enumerator.Devices.clear();
    const int number = ports->MapByHand(pty.string());
    EXPECT_EQ(number, 2);
    EXPECT_EQ(ports->MapByHand(pty.string()), 2);
    EXPECT_TRUE(ports->PortList().empty());
    TempFolder::WriteFile(pty, "");
    EXPECT_EQ(ports->PortList(), std::vector<int>{2});
}

TEST_F(PortMapTest, DamagedEntriesAreIgnored) {
    const std::filesystem::path file = state.Paths.SetupFile;
    WriteIniString(file, "ports", "COM0", "/dev/zero-port");
    WriteIniString(file, "ports", "COM256", "/dev/too-high");
    WriteIniString(file, "ports", "COMx", "/dev/not-a-number");
    WriteIniString(file, "ports", "com7", "/dev/lower-case");
    EXPECT_EQ(ports->Entries(), (std::map<int, std::string>{{1, kCable}, {7, "/dev/lower-case"}}));
}

TEST_F(PortMapTest, OnlyTheFirstPortsSectionCounts) {
    const std::filesystem::path file = state.Paths.SetupFile;
    TempFolder::WriteFile(file,
                          "[ports]\nCOM1=/dev/ttyUSB0\n[language]\ncomPort=1\n[PORTS]\nCOM2=/dev/ttyS9\n");
    EXPECT_EQ(Reopened().Entries(), (std::map<int, std::string>{{1, kCable}}));
    EXPECT_EQ(Reopened().DevicePath(2), "");
}

}  // namespace
}  // namespace mox::test
