#include "link/PortOpenDiagnosis.h"
#include "services/Texts.h"
#include "support/LinkFixture.h"

namespace mox::test {
namespace {

// A device file as the system would describe it.
class FakeDeviceFacts : public DeviceFacts {
public:
    bool Exists(const std::string&) const override { return Present; }
    bool MayReadAndWrite(const std::string&) const override { return Allowed; }
    std::string GroupOf(const std::string&) const override { return "dialout"; }
    std::string UserName() const override { return "dealer"; }

    bool Present = true;
    bool Allowed = true;
};

TEST(PortOpenDiagnosisTest, TellsAnUnpluggedDeviceANeededPermissionAndABusyDeviceApart) {
    struct Case {
        bool Present;
        bool Allowed;
        OpenRefusal Refusal;
        PortOpenError Expected;
    };
    const Case cases[] = {
        {false, false, OpenRefusal::Refused, PortOpenError::NoDevice},
        {true, true, OpenRefusal::NotFound, PortOpenError::NoDevice},
        {true, false, OpenRefusal::Refused, PortOpenError::PermissionDenied},
        {true, false, OpenRefusal::Other, PortOpenError::PermissionDenied},
        {true, true, OpenRefusal::Refused, PortOpenError::InUse},
        {true, true, OpenRefusal::Other, PortOpenError::Other},
    };
    for (const Case& c : cases) {
        FakeDeviceFacts facts;
        facts.Present = c.Present;
        facts.Allowed = c.Allowed;
        const PortOpenFailure failure =
            DiagnoseOpenFailure("/dev/ttyUSB0", c.Refusal, "Input/output error", facts);
        EXPECT_EQ(failure.Error, c.Expected) << c.Present << c.Allowed << static_cast<int>(c.Refusal);
        EXPECT_EQ(failure.DevicePath, "/dev/ttyUSB0");
        const bool permission = c.Expected == PortOpenError::PermissionDenied;
        EXPECT_EQ(failure.Group, permission ? "dialout" : "");
        EXPECT_EQ(failure.User, permission ? "dealer" : "");
        EXPECT_EQ(failure.SystemText, c.Expected == PortOpenError::Other ? "Input/output error" : "");
    }
}

// The reason a port would not open travels from the port to the message the user reads.
class PortDiagnosticsTest : public LinkFixture {
protected:
    std::string Head() const { return GetLanguageText(state, 9003) + "\r\n\r\n"; }
};

TEST_F(PortDiagnosticsTest, ReadFromARadioSaysWhyThePortWouldNotOpen) {
    port.FailOpen(kCable, {PortOpenError::PermissionDenied, {}, "dialout", "dealer", {}});
    Engine().ReadFromRadio();
    EXPECT_EQ(Messages(), std::vector<int>{9003});
    EXPECT_EQ(LastPromptText(),
              Head() +
                  "You have no permission to use /dev/ttyUSB0. It belongs to the group "
                  "\"dialout\": add yourself to that group with the command below, then log "
                  "out and in again.\r\nsudo usermod -aG dialout dealer");

    port.RefuseOpen(kCable);
    Engine().ReadFromRadio();
    EXPECT_EQ(LastPromptText(), Head() +
                                    "The device /dev/ttyUSB0 is in use by another program. Close that "
                                    "program and try again.");

    port.Unplug(kCable);
    Engine().ReadFromRadio();
    EXPECT_EQ(LastPromptText(), Head() +
                                    "The device /dev/ttyUSB0 is not there. Plug the programming cable in, "
                                    "or choose the port it is on.");

    state.Link.PortNumber = 7;
    Engine().ReadFromRadio();
    EXPECT_EQ(LastPromptText(),
              Head() + "COM7 stands for no device. Choose the port the programming cable is on.");
    EXPECT_EQ(Messages(), (std::vector<int>{9003, 9003, 9003, 9003}));
}

}  // namespace
}  // namespace mox::test
