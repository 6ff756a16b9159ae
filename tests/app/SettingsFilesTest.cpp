#include <gtest/gtest.h>

#include "app/AppState.h"
#include "app/FeatureFlagsFile.h"
#include "app/WindowPlacement.h"
#include "link/LinkSettingsFile.h"
#include "services/IniFile.h"
#include "services/SetupFile.h"
#include "support/FakeFolderFacts.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

using test::TempFolder;

class SettingsFilesTest : public ::testing::Test {
protected:
    SettingsFilesTest() { state.Paths = folder.Paths(); }
    void WriteSetup(const std::string& text) {
        TempFolder::WriteFile(folder.Root() / "language" / "mysetup.ini", text);
    }
    std::filesystem::path FlagsFile() const { return folder.ProgramFolder() / "Setting.ini"; }

    TempFolder folder;
    AppState state;
};

TEST_F(SettingsFilesTest, LinkSetupIsReadFromTheSharedFile) {
    WriteSetup("[LANGUAGE]\nIsFirstRun = 0 \ncomPort= 12\nHandshaking=3\nStopBit=2\n");
    state.Link = ReadLinkSetup(state.Paths.SetupFile);
    EXPECT_FALSE(state.Link.IsFirstRun);
    EXPECT_EQ(state.Link.PortNumber, 12);
    EXPECT_EQ(state.Link.Handshaking, 3);
    EXPECT_EQ(state.Link.StopBits, 2);
}

TEST_F(SettingsFilesTest, MissingOrMalformedLinkSetupStartsAsANewInstallation) {
    state.Link = {7, 2, 2, false};
    state.Link = ReadLinkSetup(state.Paths.SetupFile);
    EXPECT_TRUE(state.Link.IsFirstRun);
    EXPECT_EQ(state.Link.PortNumber, 1);
    EXPECT_EQ(state.Link.Handshaking, 0);
    EXPECT_EQ(state.Link.StopBits, 1);

    WriteSetup("[language]\nIsFirstRun=maybe\ncomPort=0\nHandshaking=4\nStopBit=1.5\n");
    state.Link = {7, 2, 2, false};
    state.Link = ReadLinkSetup(state.Paths.SetupFile);
    EXPECT_TRUE(state.Link.IsFirstRun);
    EXPECT_EQ(state.Link.PortNumber, 1);
    EXPECT_EQ(state.Link.Handshaking, 0);
    EXPECT_EQ(state.Link.StopBits, 1);
}

TEST_F(SettingsFilesTest, FirstRunFlagReadsNumbersAndWords) {
    for (const auto& [text, expected] : std::vector<std::pair<std::string, bool>>{
             {"1", true}, {"-1", true}, {"0", false}, {"True", true}, {"FALSE", false}}) {
        WriteSetup("[language]\nIsFirstRun=" + text + "\n");
        state.Link = ReadLinkSetup(state.Paths.SetupFile);
        EXPECT_EQ(state.Link.IsFirstRun, expected) << text;
    }
}

TEST_F(SettingsFilesTest, StoredLanguageIsOneOrTwoOnly) {
    EXPECT_EQ(ReadStoredLanguage(state.Paths.SetupFile), std::nullopt);
    WriteSetup("[language]\nCurrentLanguage=2\n");
    EXPECT_EQ(ReadStoredLanguage(state.Paths.SetupFile), 2);
    WriteSetup("[language]\nCurrentLanguage=3\n");
    EXPECT_EQ(ReadStoredLanguage(state.Paths.SetupFile), std::nullopt);
    WriteSetup("[language]\nCurrentLanguage=chinese\n");
    EXPECT_EQ(ReadStoredLanguage(state.Paths.SetupFile), std::nullopt);
}

TEST_F(SettingsFilesTest, SetupValueIsWrittenEvenWithoutTheLanguageFolder) {
    std::filesystem::remove_all(folder.Root() / "language");
    EXPECT_TRUE(WriteSetupValue(state.Paths.SetupFile, "comPort", 5));
    EXPECT_EQ(TempFolder::ReadFile(folder.Root() / "language" / "mysetup.ini"), "[language]\ncomPort=5\n");
}

TEST_F(SettingsFilesTest, RememberedFeaturesRoundTrip) {
    TempFolder::WriteFile(FlagsFile(), std::string("\x01\x00\x01\x00", 4));
    LoadRememberedFeatures(state.Features, state.Paths.SettingsFolder);
    EXPECT_EQ(state.Features.Remembered, (std::array<std::uint8_t, 4>{1, 0, 1, 0}));
    state.Features.Remembered[3] = 1;
    EXPECT_TRUE(WriteRememberedFeatures(state.Features, state.Paths.SettingsFolder));
    EXPECT_EQ(TempFolder::ReadFile(FlagsFile()), std::string("\x01\x00\x01\x01", 4));
}

TEST_F(SettingsFilesTest, MissingShortOrDamagedFeatureFileGivesCleanFlags) {
    state.Features.Remembered = {1, 1, 1, 1};
    LoadRememberedFeatures(state.Features, state.Paths.SettingsFolder);
    EXPECT_EQ(state.Features.Remembered, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));

    TempFolder::WriteFile(FlagsFile(), std::string("\x01\x01\x01", 3));
    LoadRememberedFeatures(state.Features, state.Paths.SettingsFolder);
    EXPECT_EQ(state.Features.Remembered, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));

    TempFolder::WriteFile(FlagsFile(), std::string("\xFF\x00\x02\x00\x09", 5));
    LoadRememberedFeatures(state.Features, state.Paths.SettingsFolder);
    EXPECT_EQ(state.Features.Remembered, (std::array<std::uint8_t, 4>{1, 0, 1, 0}));
}

TEST_F(SettingsFilesTest, UnwritableFeatureFileIsOnlyReported) {
    std::filesystem::create_directory(FlagsFile());
    EXPECT_FALSE(WriteRememberedFeatures(state.Features, state.Paths.SettingsFolder));
    LoadRememberedFeatures(state.Features, state.Paths.SettingsFolder);
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

// The settings files follow the paths: the port map and link settings in the user's mysetup.ini, the
// remembered feature flags in the user's Setting.ini; nothing is written into an installed tree.
TEST(InstalledSettingsFiles, InstalledProgramWritesOnlyIntoTheUserFolder) {
    TempFolder folder;
    const std::filesystem::path prefix = folder.Root() / "usr";
    const std::filesystem::path shared = prefix / "share" / "moxcps";
    std::filesystem::create_directories(prefix / "bin");
    std::filesystem::create_directories(shared / "V200" / "language");
    TempFolder::WriteFile(shared / "language" / "mysetup.ini", "[language]\ncomPort=3\n");
    test::FakeFolderFacts facts;
    facts.Config = folder.Root() / "home" / ".config" / "moxcps";
    const ProgramPaths paths = FindProgramPaths(prefix / "bin", facts);
    SeedUserSettings(paths);

    EXPECT_EQ(ReadLinkSetup(paths.SetupFile).PortNumber, 3);
    ASSERT_TRUE(WriteSetupValue(paths.SetupFile, "comPort", 5));
    FeatureFlags features;
    features.Remembered = {1, 0, 0, 1};
    ASSERT_TRUE(WriteRememberedFeatures(features, paths.SettingsFolder));

    EXPECT_EQ(ReadIniString(facts.Config / "language" / "mysetup.ini", "language", "comPort"), "5");
    EXPECT_EQ(TempFolder::ReadFile(facts.Config / "V200" / "Setting.ini"),
              std::string("\x01\x00\x00\x01", 4));
    EXPECT_EQ(ReadIniString(shared / "language" / "mysetup.ini", "language", "comPort"), "3");
    EXPECT_FALSE(std::filesystem::exists(shared / "V200" / "Setting.ini"));
}

}  // namespace
}  // namespace mox
