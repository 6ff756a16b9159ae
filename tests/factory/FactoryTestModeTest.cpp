#include <gtest/gtest.h>

#include "app/AppState.h"
#include "app/NewRadioData.h"
#include "factory/FactoryMarker.h"
#include "factory/TestDataFile.h"
#include "files/DataFile.h"
#include "files/DocumentWindows.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

using test::TempFolder;

TEST(FactoryMarkerTest, OnlyTheExactAccessTextSwitchesTheModeOn) {
    const std::string text(kFactoryAccessText);
    EXPECT_TRUE(IsFactoryMarker(text));
    EXPECT_TRUE(IsFactoryMarker(text + "   "));
    EXPECT_TRUE(IsFactoryMarker(text + std::string("  \0rest", 7)));
    EXPECT_TRUE(IsFactoryMarker(std::string(text) + std::string(200, ' ')));
    EXPECT_FALSE(IsFactoryMarker(text + "\r\n"));
    EXPECT_FALSE(IsFactoryMarker(" " + text));
    EXPECT_FALSE(IsFactoryMarker(text.substr(0, 30)));
    EXPECT_FALSE(IsFactoryMarker(std::string(97, ' ') + text));  // beyond the first 128 bytes
}

TEST(FactoryMarkerTest, CheckReadsTheMarkerFileAndClearsTheTestData) {
    TempFolder folder;
    AppState state;
    state.Paths = folder.Paths();
    state.WorkingTestData[0] = 1;
    state.SavedTestData[0] = 1;

    CheckFactoryTestMode(state, state.Paths.SettingsFolder);
    EXPECT_FALSE(state.FactoryTestMode);
    EXPECT_EQ(state.WorkingTestData, TestData{});
    EXPECT_EQ(state.SavedTestData, TestData{});

    TempFolder::WriteFile(folder.ProgramFolder() / "TestData.ini", std::string(kFactoryAccessText) + "  ");
    CheckFactoryTestMode(state, state.Paths.SettingsFolder);
    EXPECT_TRUE(state.FactoryTestMode);
}

class TestDataBesideDataFilesTest : public ::testing::Test {
protected:
    TestDataBesideDataFilesTest() {
        state.Paths = folder.Paths();
        state.Versions.Firm = {{"V200", "V200"}};
        state.FactoryTestMode = true;
        BuildNewRadioData(state, Today{});
    }

    std::string PathOf(const std::string& name) const { return (folder.Root() / name).string(); }

    TempFolder folder;
    AppState state;
    NoDocumentWindows windows;
};

TEST_F(TestDataBesideDataFilesTest, SaveWritesTheTestDataFileAndOpenReadsIt) {
    state.WorkingTestData[10] = 0xA5;
    state.Document.CurrentPath = PathOf("abc.dat");
    ASSERT_TRUE(SaveDataFile(state, windows));
    EXPECT_EQ(TempFolder::ReadFile(PathOf("abc.ted")), std::string(10, '\0') + "\xA5" + std::string(5, '\0'));

    state.WorkingTestData = {};
    state.SavedTestData = {};
    ASSERT_TRUE(OpenDataFile(state, windows, PathOf("abc.dat")));
    EXPECT_EQ(state.WorkingTestData[10], 0xA5);
    EXPECT_EQ(state.SavedTestData[10], 0xA5);
}

TEST_F(TestDataBesideDataFilesTest, ShortTestDataFileKeepsTheSavedCopyAndNoneIsWrittenOutsideTheMode) {
    state.Document.CurrentPath = PathOf("abc.dat");
    ASSERT_TRUE(SaveDataFile(state, windows));
    TempFolder::WriteFile(PathOf("abc.ted"), "short");
    state.SavedTestData[1] = 9;
    ASSERT_TRUE(OpenDataFile(state, windows, PathOf("abc.dat")));
    EXPECT_EQ(state.WorkingTestData[1], 9);

    state.FactoryTestMode = false;
    state.Document.CurrentPath = PathOf("plain.dat");
    ASSERT_TRUE(SaveDataFile(state, windows));
    EXPECT_FALSE(std::filesystem::exists(PathOf("plain.ted")));
}

}  // namespace
}  // namespace mox
