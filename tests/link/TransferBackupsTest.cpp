#include <regex>

#include "files/Backups.h"
#include "files/DataFileLayout.h"
#include "image/Models.h"
#include "support/LinkFixture.h"

namespace mox::test {
namespace {

class TransferBackupsTest : public LinkFixture {
protected:
    std::filesystem::path BackupFolder() const { return folder.Root() / "data" / "backups"; }

    void KeepBackups(const std::filesystem::path& where) {
        TransferOptions options;
        options.BackupFolder = where;
        Engine().SetOptions(options);
    }

    // The one backup in the folder, named as the issue asks, holding what the records hold.
    void ExpectOneBackupOf(const char* kind) {
        const std::vector<BackupEntry> backups = ListBackups(BackupFolder());
        ASSERT_EQ(backups.size(), 1u);
        const std::string name = backups[0].Path.filename().string();
        EXPECT_TRUE(
            std::regex_match(name, std::regex(std::string(R"(\d{8}-\d{6}-RB516-0-)") + kind + R"(\.dat)")))
            << name;
        RadioData expected = state.Data;
        SyncModelRecord(state.Model, expected.Model);
        const std::string bytes = TempFolder::ReadFile(backups[0].Path);
        const std::vector<std::uint8_t> encoded = EncodeDataRecord(expected);
        EXPECT_EQ(bytes, std::string(encoded.begin(), encoded.end()));
        EXPECT_TRUE(std::filesystem::exists(BackupFolder() / (backups[0].Path.stem().string() + ".NVD")));
    }
};

TEST_F(TransferBackupsTest, AReadLeavesOneBackupOfWhatWasRead) {
    KeepBackups(BackupFolder());
    Read();
    time.RunFor(500);
    ASSERT_EQ(shell.ReadDataShown, 1);
    EXPECT_EQ(state.Data.Channels.Count, 5);
    ExpectOneBackupOf("read");
    EXPECT_EQ(ListBackups(BackupFolder())[0].ChannelCount, 5);
}

TEST_F(TransferBackupsTest, AWriteLeavesOneBackupOfWhatWasWritten) {
    KeepBackups(BackupFolder());
    Write();
    ASSERT_EQ(Messages(), (std::vector<int>{9005, 9010}));
    ExpectOneBackupOf("write");
}

TEST_F(TransferBackupsTest, AFailedWriteLeavesNoBackup) {
    sim::SimConfig config;
    config.FeatureByte = 0x08;  // write-protected
    UseRadio(config);
    KeepBackups(BackupFolder());
    Write();
    EXPECT_TRUE(ListBackups(BackupFolder()).empty());
}

TEST_F(TransferBackupsTest, ABackupFolderThatCannotBeWrittenIsReportedAndTheReadStands) {
    // A file where the folder should be.
    std::filesystem::create_directories(BackupFolder().parent_path());
    TempFolder::WriteFile(BackupFolder(), "x");
    KeepBackups(BackupFolder());
    Read();
    time.RunFor(500);
    EXPECT_EQ(shell.ReadDataShown, 1);
    EXPECT_EQ(state.Data.Channels.Count, 5);
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009, 31710}));
    EXPECT_NE(LastPromptText().find(BackupFolder().string()), std::string::npos);
}

}  // namespace
}  // namespace mox::test
