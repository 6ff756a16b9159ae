#include <gtest/gtest.h>

#include "app/AppState.h"
#include "app/FeatureFlagsFile.h"
#include "app/WindowPlacement.h"
#include "link/LinkSettingsFile.h"
#include "services/SetupFile.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

using test::TempFolder;

class SettingsFilesTest : public ::testing::Test {
protected:
    SettingsFilesTest() { state.ProgramFolder = folder.ProgramFolder(); }
    void WriteSetup(const std::string& text) {
        TempFolder::WriteFile(folder.Root() / "language" / "mysetup.ini", text);
    }
    std::filesystem::path FlagsFile() const { return folder.ProgramFolder() / "Setting.ini"; }

    TempFolder folder;
    AppState state;
};

TEST_F(SettingsFilesTest, LinkSetupIsReadFromTheSharedFile) {
    WriteSetup("[LANGUAGE]\nIsFirstRun = 0 \ncomPort= 12\nHandshaking=3\nStopBit=2\n");
    state.Link = ReadLinkSetup(state.ProgramFolder);
    EXPECT_FALSE(state.Link.IsFirstRun);
    EXPECT_EQ(state.Link.PortNumber, 12);
    EXPECT_EQ(state.Link.Handshaking, 3);
    EXPECT_EQ(state.Link.StopBits, 2);
}

TEST_F(SettingsFilesTest, MissingOrMalformedLinkSetupStartsAsANewInstallation) {
    state.Link = {7, 2, 2, false};
    state.Link = ReadLinkSetup(state.ProgramFolder);
    EXPECT_TRUE(state.Link.IsFirstRun);
    EXPECT_EQ(state.Link.PortNumber, 1);
    EXPECT_EQ(state.Link.Handshaking, 0);
    EXPECT_EQ(state.Link.StopBits, 1);

    WriteSetup("[language]\nIsFirstRun=maybe\ncomPort=0\nHandshaking=4\nStopBit=1.5\n");
    state.Link = {7, 2, 2, false};
    state.Link = ReadLinkSetup(state.ProgramFolder);
    EXPECT_TRUE(state.Link.IsFirstRun);
    EXPECT_EQ(state.Link.PortNumber, 1);
    EXPECT_EQ(state.Link.Handshaking, 0);
    EXPECT_EQ(state.Link.StopBits, 1);
}

TEST_F(SettingsFilesTest, FirstRunFlagReadsNumbersAndWords) {
    for (const auto& [text, expected] : std::vector<std::pair<std::string, bool>>{
             {"1", true}, {"-1", true}, {"0", false}, {"True", true}, {"FALSE", false}}) {
        WriteSetup("[language]\nIsFirstRun=" + text + "\n");
        state.Link = ReadLinkSetup(state.ProgramFolder);
        EXPECT_EQ(state.Link.IsFirstRun, expected) << text;
    }
}

TEST_F(SettingsFilesTest, StoredLanguageIsOneOrTwoOnly) {
    EXPECT_EQ(ReadStoredLanguage(state.ProgramFolder), std::nullopt);
    WriteSetup("[language]\nCurrentLanguage=2\n");
    EXPECT_EQ(ReadStoredLanguage(state.ProgramFolder), 2);
    WriteSetup("[language]\nCurrentLanguage=3\n");
    EXPECT_EQ(ReadStoredLanguage(state.ProgramFolder), std::nullopt);
    WriteSetup("[language]\nCurrentLanguage=chinese\n");
    EXPECT_EQ(ReadStoredLanguage(state.ProgramFolder), std::nullopt);
}

TEST_F(SettingsFilesTest, SetupValueIsWrittenEvenWithoutTheLanguageFolder) {
    std::filesystem::remove_all(folder.Root() / "language");
    EXPECT_TRUE(WriteSetupValue(state.ProgramFolder, "comPort", 5));
    EXPECT_EQ(TempFolder::ReadFile(folder.Root() / "language" / "mysetup.ini"), "[language]\ncomPort=5\n");
}

TEST_F(SettingsFilesTest, RememberedFeaturesRoundTrip) {
    TempFolder::WriteFile(FlagsFile(), std::string("\x01\x00\x01\x00", 4));
    LoadRememberedFeatures(state.Features, state.ProgramFolder);
    EXPECT_EQ(state.Features.Remembered, (std::array<std::uint8_t, 4>{1, 0, 1, 0}));
    state.Features.Remembered[3] = 1;
    EXPECT_TRUE(WriteRememberedFeatures(state.Features, state.ProgramFolder));
    EXPECT_EQ(TempFolder::ReadFile(FlagsFile()), std::string("\x01\x00\x01\x01", 4));
}

TEST_F(SettingsFilesTest, MissingShortOrDamagedFeatureFileGivesCleanFlags) {
    state.Features.Remembered = {1, 1, 1, 1};
    LoadRememberedFeatures(state.Features, state.ProgramFolder);
    EXPECT_EQ(state.Features.Remembered, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));

    TempFolder::WriteFile(FlagsFile(), std::string("\x01\x01\x01", 3));
    LoadRememberedFeatures(state.Features, state.ProgramFolder);
    EXPECT_EQ(state.Features.Remembered, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));

    TempFolder::WriteFile(FlagsFile(), std::string("\xFF\x00\x02\x00\x09", 5));
    LoadRememberedFeatures(state.Features, state.ProgramFolder);
    EXPECT_EQ(state.Features.Remembered, (std::array<std::uint8_t, 4>{1, 0, 1, 0}));
}

TEST_F(SettingsFilesTest, UnwritableFeatureFileIsOnlyReported) {
    std::filesystem::create_directory(FlagsFile());
    EXPECT_FALSE(WriteRememberedFeatures(state.Features, state.ProgramFolder));
    LoadRememberedFeatures(state.Features, state.ProgramFolder);
    EXPECT_EQ(state.Features.Remembered, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
}

TEST(WindowPlacementStore, DefaultsRoundTripAndDamagedValues) {
    MemorySettingsStore store;
    const WindowPlacement defaults = ReadMainPlacement(store);
    EXPECT_EQ(defaults.Left, 1000);
    EXPECT_EQ(defaults.Top, 1000);
    EXPECT_EQ(defaults.Width, 12500);
    EXPECT_EQ(defaults.Height, 9500);

    StoreMainPlacement(store, {-300, 450, 9000, 6000});
    const WindowPlacement stored = ReadMainPlacement(store);
    EXPECT_EQ(stored.Left, -300);
    EXPECT_EQ(stored.Top, 450);
    EXPECT_EQ(stored.Width, 9000);
    EXPECT_EQ(stored.Height, 6000);

    store.Write("Settings", "MainWidth", "wide");
    store.Write("Settings", "MainHeight", "0");
    EXPECT_EQ(ReadMainPlacement(store).Width, 12500);
    EXPECT_EQ(ReadMainPlacement(store).Height, 9500);
}

}  // namespace
}  // namespace mox
