#include "services/ProgramPaths.h"

#include <gtest/gtest.h>

#include "support/FakeFolderFacts.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

namespace fs = std::filesystem;
using test::FakeFolderFacts;
using test::TempFolder;

class ProgramPathsTest : public ::testing::Test {
protected:
    ProgramPathsTest() { facts.Config = folder.Root() / "home" / ".config" / "moxcps"; }

    // prefix/bin with the executables, prefix/share/moxcps/V200 with the delivered files.
    fs::path InstallUnder(const fs::path& prefix) const {
        fs::create_directories(prefix / "bin");
        fs::create_directories(prefix / "share" / "moxcps" / "V200" / "language");
        return prefix / "bin";
    }
    fs::path Config() const { return facts.Config; }

    TempFolder folder;
    FakeFolderFacts facts;
};

TEST_F(ProgramPathsTest, StagedTreeKeepsEverythingBesideTheProgram) {
    for (const fs::path& started : {folder.ProgramFolder(), folder.ProgramFolder() / ""}) {
        const ProgramPaths paths = FindProgramPaths(started, facts);
        EXPECT_EQ(paths.ProgramFolder, folder.ProgramFolder());
        EXPECT_EQ(paths.RootFolder, folder.Root());
        EXPECT_EQ(paths.SettingsFolder, folder.ProgramFolder());
        EXPECT_EQ(paths.SetupFile, folder.Root() / "language" / "mysetup.ini");
        EXPECT_EQ(paths.VersionsFolder, folder.Root());
    }
}

TEST_F(ProgramPathsTest, ReadOnlyCopyKeepsItsSettingsInTheUserFolder) {
    facts.Writable = false;
    const ProgramPaths paths = FindProgramPaths(folder.ProgramFolder(), facts);
    EXPECT_EQ(paths.ProgramFolder, folder.ProgramFolder());
    EXPECT_EQ(paths.RootFolder, folder.Root());
    EXPECT_EQ(paths.SettingsFolder, Config() / "V200");
    EXPECT_EQ(paths.SetupFile, Config() / "language" / "mysetup.ini");
    EXPECT_EQ(paths.VersionsFolder, folder.Root());
}

// Also when the user could write into the prefix (root, a prefix in the home folder): an installed
// tree belongs to the package manager.
TEST_F(ProgramPathsTest, InstalledProgramReadsSharedFilesAndWritesUserSettings) {
    const fs::path prefix = folder.Root() / "usr";
    const ProgramPaths paths = FindProgramPaths(InstallUnder(prefix), facts);
    EXPECT_EQ(paths.ProgramFolder, prefix / "share" / "moxcps" / "V200");
    EXPECT_EQ(paths.RootFolder, prefix / "share" / "moxcps");
    EXPECT_EQ(paths.SettingsFolder, Config() / "V200");
    EXPECT_EQ(paths.SetupFile, Config() / "language" / "mysetup.ini");
    EXPECT_EQ(paths.VersionsFolder, prefix / "lib" / "moxcps");
}

TEST_F(ProgramPathsTest, ProgramWithoutDeliveredFilesStaysPortable) {
    const fs::path bin = folder.Root() / "opt" / "bin";
    fs::create_directories(bin);
    const ProgramPaths paths = FindProgramPaths(bin, facts);
    EXPECT_EQ(paths.ProgramFolder, bin);
    EXPECT_EQ(paths.SettingsFolder, bin);
}

TEST_F(ProgramPathsTest, FirstStartSeedsTheUserFolderFromTheShippedFiles) {
    facts.Writable = false;
    TempFolder::WriteFile(folder.Root() / "language" / "mysetup.ini", "[language]\nIsFirstRun=1\n");
    TempFolder::WriteFile(folder.ProgramFolder() / "Habit.ini", std::string(10, '\xFF'));
    // A read-only shipped file gives a copy the user can still change.
    fs::permissions(folder.Root() / "language" / "mysetup.ini",
                    fs::perms::owner_read | fs::perms::group_read);
    const ProgramPaths paths = FindProgramPaths(folder.ProgramFolder(), facts);
    SeedUserSettings(paths);

    EXPECT_EQ(TempFolder::ReadFile(paths.SetupFile), "[language]\nIsFirstRun=1\n");
    EXPECT_NE(fs::status(paths.SetupFile).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(TempFolder::ReadFile(paths.SettingsFolder / "Habit.ini"), std::string(10, '\xFF'));
    EXPECT_FALSE(fs::exists(paths.SettingsFolder / "Setting.ini"));
    EXPECT_TRUE(fs::is_directory(paths.SettingsFolder));
}

TEST_F(ProgramPathsTest, SeedingNeverReplacesTheUsersSettings) {
    facts.Writable = false;
    const ProgramPaths paths = FindProgramPaths(folder.ProgramFolder(), facts);
    TempFolder::WriteFile(folder.Root() / "language" / "mysetup.ini", "[language]\nIsFirstRun=1\n");
    TempFolder::WriteFile(folder.ProgramFolder() / "Setting.ini", std::string(4, '\0'));
    TempFolder::WriteFile(paths.SetupFile, "[language]\nIsFirstRun=0\ncomPort=7\n");
    TempFolder::WriteFile(paths.SettingsFolder / "Setting.ini", std::string(4, '\x01'));
    SeedUserSettings(paths);
    EXPECT_EQ(TempFolder::ReadFile(paths.SetupFile), "[language]\nIsFirstRun=0\ncomPort=7\n");
    EXPECT_EQ(TempFolder::ReadFile(paths.SettingsFolder / "Setting.ini"), std::string(4, '\x01'));
}

TEST_F(ProgramPathsTest, SettingsBesideTheProgramAreNotCopied) {
    TempFolder::WriteFile(folder.Root() / "language" / "mysetup.ini", "[language]\nIsFirstRun=1\n");
    SeedUserSettings(FindProgramPaths(folder.ProgramFolder(), facts));
    EXPECT_FALSE(fs::exists(Config()));
}

}  // namespace
}  // namespace mox
