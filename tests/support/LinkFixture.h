#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SimRadio.h"
#include "app/AppState.h"
#include "link/LinkSettingsFile.h"
#include "link/LinkViews.h"
#include "link/PortMap.h"
#include "link/TransferEngine.h"
#include "support/ScriptedPrompter.h"
#include "support/SimRadioPort.h"
#include "support/TempFolder.h"
#include "support/VirtualTime.h"

namespace mox::test {

class FakeEnumerator : public PortEnumerator {
public:
    std::vector<SerialDevice> ExistingDevices() const override { return Devices; }
    std::vector<SerialDevice> Devices;
};

class FakeProgress : public ProgressView {
public:
    void OpenModal(const std::string& caption, std::function<void()> onShown) override {
        ++Openings;
        IsOpen = true;
        Captions.push_back(caption);
        onShown();
    }
    void SetCaption(const std::string& caption) override { Captions.push_back(caption); }
    void SetPercent(int percent) override { Percents.push_back(percent); }
    void Close() override { IsOpen = false; }

    int Openings = 0;
    bool IsOpen = false;
    std::vector<std::string> Captions;
    std::vector<int> Percents;
};

class FakeShell : public LinkShell {
public:
    void CommitChannelEdit() override { ++ChannelCommits; }
    void CommitAllEditors() override { ++EditorCommits; }
    void CloseCurAllWindows() override { ++WindowsClosed; }
    void ShowReadData() override { ++ReadDataShown; }
    void ShowRadioInfoWindow() override { ++InfoWindows; }
    void ShowPortStatus(const std::string& text) override { PortStatus.push_back(text); }

    int ChannelCommits = 0;
    int EditorCommits = 0;
    int WindowsClosed = 0;
    int ReadDataShown = 0;
    int InfoWindows = 0;
    std::vector<std::string> PortStatus;
};

constexpr const char* kCable = "/dev/ttyUSB0";

// A program with its serial port, a cable on COM1 and a simulated radio at the other end, in virtual
// time.
class LinkFixture : public ::testing::Test {
protected:
    LinkFixture();

    // Replaces the radio at the end of the cable.
    void UseRadio(const sim::SimConfig& config);
    // Builds the engine; a test changes the radio, the state or the devices first where it needs to.
    TransferEngine& Engine();
    // Runs until no transfer is left (or a minute of virtual time has passed).
    bool RunUntilIdle();
    // A read or a write with the questions 9004/9005 answered OK.
    void Read();
    void Write();

    // The requests the program sent, as "R 0010", "W 0010", "PROGRAM", "ID", "END".
    std::vector<std::string> Requests() const;
    std::vector<int> ReadAddresses() const;
    std::vector<int> WriteAddresses() const;
    std::string LastPromptText() const;
    std::vector<int> Messages() const { return prompter.Numbers(); }

    TempFolder folder;
    AppState state;
    ScriptedPrompter prompter;
    FakeEnumerator enumerator;
    VirtualTime time;
    SimRadioPort port{time};
    std::unique_ptr<sim::SimRadio> radio;
    std::unique_ptr<PortMap> ports;
    FakeShell shell;
    FakeProgress progress;
    std::unique_ptr<TransferEngine> engine;
};

}  // namespace mox::test
