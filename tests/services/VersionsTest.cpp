#include <gtest/gtest.h>

#include "app/AppState.h"
#include "app/ProgramVersion.h"
#include "services/Versions.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

using test::TempFolder;

class RecordingStarter : public ProgramStarter {
public:
    bool StartAndExit(const std::filesystem::path& executable) override {
        Started.push_back(executable);
        return Succeeds;
    }
    std::vector<std::filesystem::path> Started;
    bool Succeeds = true;
};

class VersionsTest : public ::testing::Test {
protected:
    VersionsTest() {
        state.Paths = folder.Paths();
        state.Prompts = &prompter;
        state.Starter = &starter;
        TempFolder::WriteFile(folder.ProgramFolder() / "language" / "english.ini",
                              "[Msg]\n9060=Radio version:\n9061=Program version:\n9062=Switch program?\n"
                              "9063=No program found.\n9064=File version:\n");
    }
    void WriteVersionFile(const std::string& firm, int count) {
        TempFolder::WriteFile(folder.Root() / "Version.ini",
                              "[Version]\nCurrentVersion=V200\nSoftVersionCount=1\nFirmVersionCount=" +
                                  std::to_string(count) + "\n[Soft]\nVersion0=V200\n[Firm]\n" + firm);
    }

    TempFolder folder;
    AppState state;
    test::ScriptedPrompter prompter;
    RecordingStarter starter;
};

TEST(VersionTag, IsAVFollowedByThreeDigits) {
    EXPECT_TRUE(IsVersionTag("V200"));
    EXPECT_TRUE(IsVersionTag("V123"));
    EXPECT_TRUE(IsVersionTag("V100  "));
    EXPECT_FALSE(IsVersionTag("V20"));
    EXPECT_FALSE(IsVersionTag("X200"));
    EXPECT_FALSE(IsVersionTag("VABC"));
    EXPECT_FALSE(IsVersionTag("V2000"));
    EXPECT_FALSE(IsVersionTag("V1.5"));
    EXPECT_FALSE(IsVersionTag(""));
}

TEST_F(VersionsTest, FirmPairsSayWhichProgramHandlesWhichVersion) {
    WriteVersionFile("Firm0=V200V200\nfirm1 = V100V100 \n", 2);
    state.Data.FormatTag = {'X', 'X', 'X', 'X'};
    LoadVersionRecords(state);
    EXPECT_EQ(std::string(state.Data.FormatTag.data(), 4), "V200");
    EXPECT_EQ(state.Versions.CurrentVersion, "V200");
    EXPECT_TRUE(IsHandledVersion(state.Versions, "V200", "V200"));
    EXPECT_FALSE(IsHandledVersion(state.Versions, "V200", "V100"));
    EXPECT_EQ(ProgramForVersion(state.Versions, "V100"), "V100");
    EXPECT_EQ(ProgramForVersion(state.Versions, "V300"), "");
}

TEST_F(VersionsTest, FirmPairIsTheFirstAndTheLastFourCharacters) {
    const std::pair<const char*, std::pair<std::string, std::string>> cases[] = {
        {"V300V100", {"V300", "V100"}}, {"V200V1001", {"V200", "1001"}}, {"V200 V300", {"V200", "V300"}},
        {"V200V10", {"V200", "V10"}},   {"V200", {"V200", ""}},          {"V2", {"V2", ""}},
    };
    std::string firm;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        firm += "Firm" + std::to_string(i) + "=" + cases[i].first + "\n";
    WriteVersionFile(firm, static_cast<int>(std::size(cases)));
    LoadVersionRecords(state);

    ASSERT_EQ(state.Versions.Firm.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(state.Versions.Firm[i], cases[i].second) << cases[i].first;
    EXPECT_FALSE(IsHandledVersion(state.Versions, "V200", "V100"));
}

TEST_F(VersionsTest, OnlyCountedAndCompleteEntriesMatch) {
    WriteVersionFile("Firm0=V200V2\nFirm1=V300V300\n", 1);
    LoadVersionRecords(state);
    EXPECT_FALSE(IsHandledVersion(state.Versions, "V200", "V200"));
    EXPECT_EQ(ProgramForVersion(state.Versions, "V300"), "");
}

TEST_F(VersionsTest, MissingFileHandlesNothing) {
    LoadVersionRecords(state);
    EXPECT_TRUE(state.Versions.Firm.empty());
    EXPECT_FALSE(IsHandledVersion(state.Versions, "V200", "V200"));
    EXPECT_FALSE(SwitchToVersion(state, "V200"));
    EXPECT_EQ(prompter.Numbers(), std::vector<int>{9063});
    EXPECT_TRUE(starter.Started.empty());
}

TEST_F(VersionsTest, QuestionHasThreeLines) {
    EXPECT_EQ(VersionQuestion(state, "V200", "V100", 1),
              "Switch program?\r\nFile version: V1.00\r\nProgram version: V2.00");
    EXPECT_EQ(VersionQuestion(state, "V200", "V100", 0),
              "Switch program?\r\nRadio version: V1.00\r\nProgram version: V2.00");
}

TEST_F(VersionsTest, SwitchStartsTheSiblingInstallation) {
    WriteVersionFile("Firm0=V200V200\nFirm1=V100V100\n", 2);
    LoadVersionRecords(state);
    state.ExecutableName = "moxcps";
    EXPECT_TRUE(SwitchToVersion(state, "V100"));
    ASSERT_EQ(starter.Started.size(), 1u);
    EXPECT_EQ(starter.Started[0], folder.Root() / "V100" / "moxcps");
    EXPECT_TRUE(prompter.Prompts.empty());
}

// An installed program keeps its version records in share/moxcps and starts another version through
// lib/moxcps/<version>/ of the same prefix.
TEST_F(VersionsTest, InstalledProgramSwitchesThroughTheVersionsFolder) {
    state.Paths.RootFolder = folder.Root();
    state.Paths.VersionsFolder = folder.Root() / "lib" / "moxcps";
    WriteVersionFile("Firm0=V200V200\nFirm1=V100V100\n", 2);
    LoadVersionRecords(state);
    EXPECT_TRUE(SwitchToVersion(state, "V100"));
    ASSERT_EQ(starter.Started.size(), 1u);
    EXPECT_EQ(starter.Started[0], folder.Root() / "lib" / "moxcps" / "V100" / "moxcps");
}

TEST_F(VersionsTest, SwitchThatCannotStartReportsNoProgram) {
    WriteVersionFile("Firm0=V100V100\n", 1);
    LoadVersionRecords(state);
    starter.Succeeds = false;
    EXPECT_FALSE(SwitchToVersion(state, "V100"));
    EXPECT_EQ(prompter.Numbers(), std::vector<int>{9063});
    EXPECT_EQ(prompter.Prompts[0].Text, "No program found.");
}

TEST_F(VersionsTest, ProgramEntryThatIsAPathIsNeverStarted) {
    WriteVersionFile("Firm0=../xV100\nFirm1=/binV101\n", 2);
    LoadVersionRecords(state);
    EXPECT_FALSE(SwitchToVersion(state, "V100"));
    EXPECT_FALSE(SwitchToVersion(state, "V101"));
    EXPECT_TRUE(starter.Started.empty());
    EXPECT_EQ(prompter.Numbers(), (std::vector<int>{9063, 9063}));
}

}  // namespace
}  // namespace mox
