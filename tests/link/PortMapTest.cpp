#include "services/IniFile.h"
#include "services/SetupFile.h"
#include "support/LinkFixture.h"

namespace mox::test {
namespace {

class PortMapTest : public LinkFixture {
protected:
    PortMap Reopened() const { return PortMap(state.Paths.SetupFile, enumerator); }
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
