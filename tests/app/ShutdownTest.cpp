#include <gtest/gtest.h>

#include "app/AppState.h"
#include "app/Shutdown.h"
#include "app/Startup.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

using test::TempFolder;

class FakeShutdownShell : public ShutdownShell {
public:
    bool SaveData() override {
        ++Saves;
        return SaveSucceeds;
    }
    void ClosePort() override { ++PortCloses; }

    bool SaveSucceeds = true;
    int Saves = 0;
    int PortCloses = 0;
};

class QuietStartupShell : public StartupShell {
public:
    void RunFirstRunSearch(AppState& state) override { state.Link.IsFirstRun = false; }
    void ShowSplash(AppState&) override {}
};

class ShutdownTest : public ::testing::Test {
protected:
    ShutdownTest() {
        state.Paths = folder.Paths();
        state.Prompts = &prompter;
        QuietStartupShell startupShell;
        RunStartup(state, startupShell, {"en_US", {"2024-05-01", 5}});
    }
    void ChangeData() { state.Data.Channels.Records[0].TxPower ^= 1; }
    std::filesystem::path FlagsFile() const { return folder.ProgramFolder() / "Setting.ini"; }
    bool Close(std::optional<WindowPlacement> placement = WindowPlacement{10, 20, 9000, 7000}) {
        return RunShutdown(state, store, shell, placement);
    }

    TempFolder folder;
    AppState state;
    test::ScriptedPrompter prompter;
    MemorySettingsStore store;
    FakeShutdownShell shell;
};

TEST_F(ShutdownTest, CancelKeepsTheProgramRunningWithItsData) {
    ChangeData();
    const RadioData before = state.Data;
    prompter.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(Close());
    ASSERT_EQ(prompter.Numbers(), std::vector<int>{9006});
    EXPECT_EQ(prompter.Prompts[0].Buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(prompter.Prompts[0].Icon, MsgIcon::Warning);
    EXPECT_TRUE(state.Data == before);
    EXPECT_EQ(shell.PortCloses, 0);
    EXPECT_FALSE(std::filesystem::exists(FlagsFile()));
    EXPECT_EQ(store.Read("Settings", "MainLeft", ""), "10");
}

TEST_F(ShutdownTest, YesSavesAndCloses) {
    ChangeData();
    prompter.Answer(MsgAnswer::Yes);
    EXPECT_TRUE(Close());
    EXPECT_EQ(shell.Saves, 1);
    EXPECT_EQ(shell.PortCloses, 1);
    EXPECT_TRUE(std::filesystem::exists(FlagsFile()));
}

TEST_F(ShutdownTest, SaveThatDidNotHappenKeepsTheProgramRunning) {
    ChangeData();
    prompter.Answer(MsgAnswer::Yes);
    shell.SaveSucceeds = false;
    EXPECT_FALSE(Close());
    EXPECT_EQ(shell.PortCloses, 0);
    EXPECT_FALSE(std::filesystem::exists(FlagsFile()));
}

TEST_F(ShutdownTest, UnchangedDataCloseWithoutAQuestion) {
    EXPECT_TRUE(Close());
    EXPECT_TRUE(prompter.Prompts.empty());
    EXPECT_EQ(shell.Saves, 0);
    EXPECT_EQ(shell.PortCloses, 1);
}

TEST_F(ShutdownTest, MinimisedWindowKeepsTheStoredPlacement) {
    StoreMainPlacement(store, {1, 2, 3000, 4000});
    EXPECT_TRUE(Close(std::nullopt));
    const WindowPlacement kept = ReadMainPlacement(store);
    EXPECT_EQ(kept.Left, 1);
    EXPECT_EQ(kept.Height, 4000);
}

TEST_F(ShutdownTest, RememberedFlagSurvivesTheRun) {
    TempFolder::WriteFile(FlagsFile(), std::string("\x01\x00\x00\x00", 4));
    QuietStartupShell startupShell;
    ASSERT_TRUE(RunStartup(state, startupShell, {"en_US", {"2024-05-01", 5}}));
    EXPECT_TRUE(Close());
    EXPECT_EQ(TempFolder::ReadFile(FlagsFile()), std::string("\x01\x00\x00\x00", 4));
}

TEST_F(ShutdownTest, UnwritableFlagsFileStillCloses) {
    std::filesystem::create_directory(FlagsFile());
    EXPECT_TRUE(Close());
    EXPECT_TRUE(prompter.Prompts.empty());
}

}  // namespace
}  // namespace mox
