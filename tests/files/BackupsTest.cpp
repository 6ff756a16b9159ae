#include <gtest/gtest.h>

#include "files/Backups.h"
#include "files/DataFileLayout.h"
#include "image/Models.h"
#include "services/FixedText.h"
#include "support/TempFolder.h"

namespace mox::test {
namespace {

// 2026-12-09 21:30:05 in the test's local time.
std::time_t When(int second = 5) {
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 9;
    local.tm_hour = 21;
    local.tm_min = 30;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

class BackupsTest : public ::testing::Test {
protected:
    BackupsTest() {
        state.Model.ModelCode = "RB516G";
        SetBandLimits(state.Model, "450 - 480 MHz");
        state.Data.Channels.Count = 3;
    }
    std::filesystem::path Folder() const { return folder.Root() / "backups"; }

    TempFolder folder;
    DocumentContext state;
};

TEST_F(BackupsTest, ABackupIsADataFileNamedByTimeModelBandAndKind) {
    const std::filesystem::path path = WriteBackup(Folder(), state, BackupKind::Write, When());
    EXPECT_EQ(path, Folder() / "20261209-213005-RB516G-5-write.dat");
    const std::string bytes = TempFolder::ReadFile(path);
    ASSERT_EQ(bytes.size(), kDataFileSize);
    RadioData read;
    DecodeDataRecord(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), read);
    EXPECT_EQ(read.Channels.Count, 3);
    // The model record tells which radio the data were for, as a saved file does.
    EXPECT_EQ(CutFixedText(read.Model.ModelCode), "RB516G");
    EXPECT_EQ(read.Model.BandCode, 5);
    EXPECT_EQ(TempFolder::ReadFile(Folder() / "20261209-213005-RB516G-5-write.NVD").size(), 5u);

    const std::vector<BackupEntry> list = ListBackups(Folder());
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Date, "2026-12-09 21:30:05");
    EXPECT_EQ(list[0].ModelCode, "RB516G");
    EXPECT_EQ(list[0].BandCode, 5);
    EXPECT_EQ(list[0].Kind, BackupKind::Write);
    EXPECT_EQ(list[0].ChannelCount, 3);
}

TEST_F(BackupsTest, BackupsOfTheSameSecondAllStayAndListNewestFirst) {
    WriteBackup(Folder(), state, BackupKind::Read, When(4));
    WriteBackup(Folder(), state, BackupKind::Read, When());
    WriteBackup(Folder(), state, BackupKind::Read, When());
    // Files that are no backups are not listed.
    TempFolder::WriteFile(Folder() / "notes.dat", "x");
    const std::vector<BackupEntry> list = ListBackups(Folder());
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].Path.filename(), "20261209-213005-RB516G-5-read-2.dat");
    EXPECT_EQ(list[1].Path.filename(), "20261209-213005-RB516G-5-read.dat");
    EXPECT_EQ(list[2].Path.filename(), "20261209-213004-RB516G-5-read.dat");
    EXPECT_EQ(list[0].Kind, BackupKind::Read);
}

TEST_F(BackupsTest, TheTwoHundredAndFirstRemovesTheOldest) {
    // Two hundred backups made before, one a day.
    for (int i = 0; i < 200; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "2025%04d-120000-RB516-0-read.dat", 101 + i);
        TempFolder::WriteFile(Folder() / name, "old");
    }
    WriteBackup(Folder(), state, BackupKind::Read, When());
    const std::vector<BackupEntry> list = ListBackups(Folder());
    ASSERT_EQ(list.size(), kBackupsKept);
    EXPECT_EQ(list.front().Path.filename(), "20261209-213005-RB516G-5-read.dat");
    EXPECT_FALSE(std::filesystem::exists(Folder() / "20250101-120000-RB516-0-read.dat"));
    EXPECT_TRUE(std::filesystem::exists(Folder() / "20250102-120000-RB516-0-read.dat"));
    // An old file that is no data file is listed without a channel count.
    EXPECT_EQ(list.back().ChannelCount, -1);
}

TEST_F(BackupsTest, AFolderThatCannotBeMadeGivesNoBackupAndLeavesTheDataAlone) {
    TempFolder::WriteFile(Folder(), "a file, not a folder");
    const RadioData before = state.Data;
    EXPECT_TRUE(WriteBackup(Folder(), state, BackupKind::Read, When()).empty());
    EXPECT_EQ(state.Data, before);
    EXPECT_TRUE(ListBackups(Folder()).empty());
}

}  // namespace
}  // namespace mox::test
