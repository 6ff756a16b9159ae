#include <QAction>
#include <QPushButton>
#include <QTreeWidget>

#include "app/TransferChoices.h"
#include "files/Backups.h"
#include "files/ui/FrmBackups.h"
#include "services/NewestFiles.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

class TransferSafetyWindowTest : public GuiFixture {
protected:
    TransferSafetyWindowTest() { userData = folder.Root() / "userdata"; }
};

TEST_F(TransferSafetyWindowTest, TheSettingsSwitchesStartOffAndAreKeptPerUser) {
    frmMain& window = Main();
    QAction* verify = window.Entry("mnuVerifyWrite");
    QAction* trace = window.Entry("mnuTraceSerial");
    EXPECT_TRUE(verify->isCheckable());
    EXPECT_FALSE(verify->isChecked());
    EXPECT_FALSE(trace->isChecked());
    EXPECT_EQ(verify->text().toStdString(), "Verify after writing");
    EXPECT_EQ(trace->text().toStdString(), "Record serial traffic");
    EXPECT_EQ(window.Entry("mnuFileBackups")->text().toStdString(), "Backups...");

    verify->trigger();
    EXPECT_TRUE(VerifyAfterWriting(store));
    EXPECT_FALSE(RecordSerialTraffic(store));
    main.reset();
    frmMain& again = Main();
    EXPECT_TRUE(again.Entry("mnuVerifyWrite")->isChecked());
    EXPECT_FALSE(again.Entry("mnuTraceSerial")->isChecked());
}

TEST_F(TransferSafetyWindowTest, AReadLeavesABackupAndATraceAndAVerifiedWriteFindsTheWrongByte) {
    SetVerifyAfterWriting(store, true);
    SetRecordSerialTraffic(store, true);
    sim::SimConfig config;
    config.Faults.StoreWrongAddresses = {2100};
    radio = std::make_unique<sim::SimRadio>(config);
    port.Attach(kCable, *radio);
    Main();

    RunTransfer("mnuReadFromRadio");
    ASSERT_EQ(prompter.Numbers(), (std::vector<int>{9004, 9009}));
    const std::vector<BackupEntry> backups = ListBackups(userData / "backups");
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].Kind, BackupKind::Read);
    EXPECT_EQ(FilesNewestFirst(userData / "traces", ".txt").size(), 1u);

    RunTransfer("mnuWriteToRadio");
    EXPECT_EQ(prompter.Numbers(), (std::vector<int>{9004, 9009, 9005, 31700}));
    EXPECT_NE(prompter.Prompts.back().Text.find("the optional features"), std::string::npos);
    EXPECT_EQ(ListBackups(userData / "backups").size(), 1u);
    // The write and its read-back are traced one after the other.
    EXPECT_EQ(FilesNewestFirst(userData / "traces", ".txt").size(), 3u);
}

TEST_F(TransferSafetyWindowTest, TheBackupsWindowListsNewestFirstAndOpensTheChosenOneAsADocument) {
    DocumentContext data;
    data.Model.ModelCode = "RB516";
    data.Model.BandCode = 0;
    data.Data.Channels.Count = 2;
    const std::time_t now = std::time(nullptr);
    const auto older = WriteBackup(userData / "backups", data, BackupKind::Read, now - 60);
    data.Data.Channels.Count = 0;
    WriteBackup(userData / "backups", data, BackupKind::Write, now);
    frmMain& window = Main();

    WhenModalShows<FrmBackups>([&older](FrmBackups& backups) {
        ASSERT_EQ(backups.BackupList->topLevelItemCount(), 2);
        QTreeWidgetItem* newest = backups.BackupList->topLevelItem(0);
        EXPECT_EQ(newest->text(3).toStdString(), "Write");
        EXPECT_EQ(newest->text(4).toStdString(), "0");
        QTreeWidgetItem* second = backups.BackupList->topLevelItem(1);
        EXPECT_EQ(second->text(1).toStdString(), "MOX-5HK");
        EXPECT_EQ(second->text(2).toStdString(), "400 - 480 MHz");
        EXPECT_EQ(second->text(4).toStdString(), "2");
        backups.BackupList->setCurrentItem(second);
        backups.CommandOpen->click();
        EXPECT_EQ(backups.ChosenPath(), older);
    });
    window.Entry("mnuFileBackups")->trigger();
    Settle();
    EXPECT_EQ(state.Data.Channels.Count, 2);
    EXPECT_EQ(state.Document.CurrentPath, older.string());
}

}  // namespace

}  // namespace mox::test
