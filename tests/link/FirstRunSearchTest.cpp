#include "link/FirstRunSearch.h"
#include "support/LinkFixture.h"

namespace mox::test {
namespace {

class FakeFirstRunView : public FirstRunView {
public:
    void ShowPortEntries(const std::vector<std::string>& entries, int selected) override {
        Entries = entries;
        Selected = selected;
    }
    void CloseWindow() override { ++Closings; }

    std::vector<std::string> Entries;
    int Selected = -2;
    int Closings = 0;
};

class FirstRunSearchTest : public LinkFixture {
protected:
    FirstRunSearch& Search() {
        if (!search)
            search = std::make_unique<FirstRunSearch>(state, state.Link, port, time, *ports, view);
        return *search;
    }
    int ProgramRequests() const { return static_cast<int>(port.Written.size()); }

    FakeFirstRunView view;
    std::unique_ptr<FirstRunSearch> search;
};

TEST_F(FirstRunSearchTest, AcknowledgementAfterNoiseIsRecognisedAndClosesTheWindow) {
    sim::SimConfig config;
    config.Faults.Noise = true;
    UseRadio(config);
    Search().Load();
    ASSERT_EQ(view.Entries, std::vector<std::string>{"COM1  /dev/ttyUSB0"});
    EXPECT_EQ(view.Selected, 0);

    Search().OkClicked();
    time.RunFor(50);
    EXPECT_FALSE(state.Link.IsFirstRun);
    EXPECT_EQ(view.Closings, 0);
    time.RunFor(100);
    EXPECT_EQ(view.Closings, 1);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(ProgramRequests(), 1);
    EXPECT_TRUE(prompter.Prompts.empty());
}

TEST_F(FirstRunSearchTest, FourUnansweredRequestsGiveCommunicationErrorAndSendingStops) {
    port.AddSilentDevice(kCable);
    Search().Load();
    Search().OkClicked();
    time.RunFor(3000);
    EXPECT_EQ(ProgramRequests(), 4);
    ASSERT_EQ(prompter.Prompts.size(), 1u);
    EXPECT_EQ(prompter.Prompts[0].Text, "Communication Error!");
    EXPECT_TRUE(state.Link.IsFirstRun);
    EXPECT_EQ(view.Closings, 0);

    // OK tries again with four more requests.
    Search().OkClicked();
    time.RunFor(3000);
    EXPECT_EQ(ProgramRequests(), 8);
    EXPECT_EQ(prompter.Prompts.size(), 2u);
}

TEST_F(FirstRunSearchTest, RequestsHeldBackByHandshakingAreDroppedWhenThePortCloses) {
    port.AddSilentDevice(kCable);
    port.ThreeWireCable(kCable);
    state.Link.Handshaking = 2;
    Search().Load();
    Search().OkClicked();
    time.RunFor(100);
    // Another try reopens the port, and closing the window closes it; neither waits for the line.
    Search().OkClicked();
    time.RunFor(100);
    Search().Closed();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.BlockedCloses, 0);
}

TEST_F(FirstRunSearchTest, PortThatCannotBeOpenedIsReportedWithItsReasonAndAnErrorIcon) {
    port.RefuseOpen(kCable);
    Search().Load();
    Search().OkClicked();
    ASSERT_EQ(prompter.Prompts.size(), 1u);
    EXPECT_EQ(prompter.Prompts[0].Text,
              "Cannot Open Communication Port.\r\n\r\nThe device /dev/ttyUSB0 is in use "
              "by another program. Close that program and try again.");
    EXPECT_EQ(prompter.Prompts[0].Icon, MsgIcon::Error);
    EXPECT_EQ(ProgramRequests(), 0);
}

TEST_F(FirstRunSearchTest, ListFollowsThePluggedAdaptersAndTheSelectionTheCurrentPort) {
    enumerator.Devices = {kCable, "/dev/ttyUSB1", "/dev/ttyACM0"};
    state.Link.PortNumber = 3;
    Search().Load();
    EXPECT_EQ(view.Entries,
              (std::vector<std::string>{"COM1  /dev/ttyUSB0", "COM2  /dev/ttyUSB1", "COM3  /dev/ttyACM0"}));
    EXPECT_EQ(view.Selected, 2);

    // The adapter of COM3 is pulled out: the first entry is chosen and becomes the port.
    enumerator.Devices = {kCable, "/dev/ttyUSB1"};
    time.RunFor(1000);
    EXPECT_EQ(view.Entries, (std::vector<std::string>{"COM1  /dev/ttyUSB0", "COM2  /dev/ttyUSB1"}));
    EXPECT_EQ(view.Selected, 0);
    EXPECT_EQ(state.Link.PortNumber, 1);

    // No port at all: nothing is selected and the port is 1.
    enumerator.Devices.clear();
    Search().SelectEntry(1);
    time.RunFor(1000);
    EXPECT_TRUE(view.Entries.empty());
    EXPECT_EQ(view.Selected, -1);
    EXPECT_EQ(state.Link.PortNumber, 1);

    // Closed, the window's list stays as it was.
    Search().Closed();
    enumerator.Devices = {kCable};
    time.RunFor(3000);
    EXPECT_TRUE(view.Entries.empty());
}

}  // namespace
}  // namespace mox::test
