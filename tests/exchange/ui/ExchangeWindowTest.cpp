#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <filesystem>

#include "exchange/ui/FrmImportOptions.h"
#include "exchange/ui/FrmTextReport.h"
#include "image/ChannelTable.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

class ExchangeWindowTest : public GuiFixture {
protected:
    std::string PathOf(const char* name) const { return (folder.Root() / name).string(); }

    // Closes the report of the command being triggered and keeps its text.
    void KeepReport() {
        WhenModalShows<FrmTextReport>([this](FrmTextReport& report) {
            reportTitle = report.windowTitle().toStdString();
            reportText = report.Text1->toPlainText().toStdString();
            report.CommandClose->click();
        });
    }

    std::string reportTitle;
    std::string reportText;
};

TEST_F(ExchangeWindowTest, ImportTakesTheChosenOptionsAndReportsWhatItSkipped) {
    frmMain& window = Main();
    TempFolder::WriteFile(PathOf("in.csv"), "Location,Frequency,Mode\n7,435.125,FM\n8,435.0,AM\n");
    dialogs.Answer(PathOf("in.csv"));
    WhenModalShows<FrmImportOptions>([](FrmImportOptions& options) {
        options.Check1[0]->setChecked(true);
        options.CommandOK->click();
    });
    KeepReport();
    window.Entry("mnuFileImport")->trigger();
    Settle();
    EXPECT_EQ(reportTitle, Text(31464));
    EXPECT_EQ(reportText,
              "Row 3 (Location 8) skipped: the mode \"AM\" is neither FM nor NFM\nChannels imported: 1");
    ASSERT_EQ(UsedChannelCount(state.Data.Channels), 1);
    EXPECT_EQ(state.Data.Channels.Records[0].Number, 7);
    EXPECT_EQ(dialogs.Filters.back(), Text(31460) + " (*.csv)|*.csv");
}

TEST_F(ExchangeWindowTest, CancelledOptionsChooseNoFileAndChangeNothing) {
    frmMain& window = Main();
    const RadioData before = state.Data;
    WhenModalShows<FrmImportOptions>([](FrmImportOptions& options) { options.CommandCancel->click(); });
    window.Entry("mnuFileImport")->trigger();
    Settle();
    EXPECT_EQ(dialogs.OpenDialogs, 0);
    EXPECT_EQ(state.Data, before);
}

TEST_F(ExchangeWindowTest, ExportWritesTheChannelsAndCompareShowsWhatDiffersFromTheFile) {
    frmMain& window = Main();
    dialogs.Answer(PathOf("radio.dat"));
    window.Entry("mnuFileSaveAs")->trigger();
    dialogs.Answer(PathOf("radio.csv"));
    window.Entry("mnuFileExport")->trigger();
    EXPECT_EQ(TempFolder::ReadFile(PathOf("radio.csv")).substr(0, 9), "Location,");

    dialogs.Answer(PathOf("radio.dat"));
    KeepReport();
    window.Entry("mnuFileCompare")->trigger();
    Settle();
    EXPECT_EQ(reportText, Text(31466));

    state.Data.Channels.Records[0].TxPower = 0;
    dialogs.Answer(PathOf("radio.dat"));
    KeepReport();
    window.Entry("mnuFileCompare")->trigger();
    Settle();
    EXPECT_EQ(reportTitle, "Differences from the data to radio.dat");
    EXPECT_EQ(reportText, "channel 1 TxPower: Low -> High");
}

TEST_F(ExchangeWindowTest, PrintShowsAPreviewOfTheGroupsAndTheSettings) {
    frmMain& window = Main();
    EXPECT_TRUE(window.Entry("mnuFilePrint")->isVisible());
    int pages = 0;
    WhenModalShows<QPrintPreviewDialog>([&pages](QPrintPreviewDialog& preview) {
        auto* view = preview.findChild<QPrintPreviewWidget*>();
        view->updatePreview();
        pages = view->pageCount();
        preview.reject();
    });
    window.ToolButton("Print")->trigger();
    Settle();
    EXPECT_EQ(pages, 10);
}

}  // namespace
}  // namespace mox::test
