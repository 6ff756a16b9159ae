#include <QAction>
#include <QFileDialog>
#include <filesystem>

#include "files/ui/QtFileDialogs.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

class FileCommandWindowTest : public GuiFixture {
protected:
    std::string DataPath(const char* name) const { return (folder.Root() / name).string(); }
};

TEST_F(FileCommandWindowTest, SaveOnNewDataAsksForAName) {
    frmMain& window = Main();
    dialogs.Answer(DataPath("first.dat"));
    window.Entry("mnuFileSave")->trigger();
    EXPECT_EQ(dialogs.SaveDialogs, 1);
    EXPECT_TRUE(prompter.Prompts.empty());
    EXPECT_TRUE(std::filesystem::exists(DataPath("first.dat")));
    EXPECT_TRUE(window.windowTitle().endsWith(":first.dat]"));
    EXPECT_EQ(dialogs.Filters[0], Text(9001) + " (*.dat)|*.dat");
    EXPECT_EQ(QtFilterOf(dialogs.Filters[0]).toStdString(), Text(9001) + " (*.dat)");
    // A name typed without an extension takes the filter's, also for the test data files.
    EXPECT_EQ(DefaultSuffixOf(dialogs.Filters[0]), "dat");
    EXPECT_EQ(DefaultSuffixOf("Test Data File (*.ted)|*.ted"), "ted");
}

TEST_F(FileCommandWindowTest, NewAfterOpenWithoutEditsAsksOnlyTheNewQuestion) {
    frmMain& window = Main();
    dialogs.Answer(DataPath("radio.dat"));
    window.Entry("mnuFileSaveAs")->trigger();
    dialogs.Answer(DataPath("radio.dat"));
    window.Entry("mnuFileOpen")->trigger();
    prompter.Prompts.clear();

    prompter.Answer(MsgAnswer::Cancel);
    window.Entry("mnuFileNew")->trigger();
    EXPECT_EQ(prompter.Numbers(), std::vector<int>{9026});
    EXPECT_FALSE(window.NewDocTimer.isActive());
}

TEST_F(FileCommandWindowTest, CancelOnTheSaveQuestionEndsNew) {
    frmMain& window = Main();
    state.Data.Functions.Options.SquelchLevel = 2;
    prompter.Answer(MsgAnswer::Cancel);
    window.Entry("mnuFileNew")->trigger();
    EXPECT_EQ(prompter.Numbers(), std::vector<int>{9006});
    EXPECT_FALSE(window.NewDocTimer.isActive());
}

TEST_F(FileCommandWindowTest, ToolBarNewAsksWhetherToSaveChangedData) {
    frmMain& window = Main();
    state.Data.Functions.Options.SquelchLevel = 2;
    prompter.Answer(MsgAnswer::Cancel);
    window.ToolButton("NewFile")->trigger();
    EXPECT_EQ(prompter.Numbers(), std::vector<int>{9006});
    EXPECT_FALSE(window.NewDocTimer.isActive());

    prompter.Answer(MsgAnswer::No);
    window.ToolButton("NewFile")->trigger();
    EXPECT_EQ(prompter.Numbers(), (std::vector<int>{9006, 9006}));
    EXPECT_TRUE(window.NewDocTimer.isActive());
}

TEST_F(FileCommandWindowTest, FileDialogsStartInTheFolderLastUsed) {
    const std::filesystem::path used = folder.Root() / "used";
    std::filesystem::create_directories(used);
    store.Write("Settings", "LastFolder", used.string());
    QtFileDialogs fileDialogs([this] { return static_cast<QWidget*>(main.get()); });
    main = std::make_unique<frmMain>(state, MainWindowDevices{port, enumerator, time, store, fileDialogs});
    main->MDIForm_Load();
    main->show();

    QString openFolder, proposed;
    WhenModalShows<QFileDialog>([&](QFileDialog& dialog) {
        openFolder = dialog.directory().absolutePath();
        dialog.reject();
    });
    main->Entry("mnuFileOpen")->trigger();
    WhenModalShows<QFileDialog>([&](QFileDialog& dialog) {
        proposed = dialog.selectedFiles().value(0);
        dialog.reject();
    });
    main->Entry("mnuFileSaveAs")->trigger();
    main.reset();

    EXPECT_EQ(openFolder.toStdString(), used.string());
    EXPECT_EQ(proposed.toStdString(), (used / "new.dat").string());
}

TEST_F(FileCommandWindowTest, CancelledFileDialogsChangeNothing) {
    frmMain& window = Main();
    state.Data.Channels.Count = 0;
    prompter.Answer(MsgAnswer::No);
    window.Entry("mnuFileOpen")->trigger();
    window.Entry("mnuFileSaveAs")->trigger();
    EXPECT_EQ(dialogs.OpenDialogs, 1);
    EXPECT_EQ(dialogs.SaveDialogs, 1);
    EXPECT_EQ(state.Document.CurrentPath, "new.dat");
    EXPECT_TRUE(state.Document.IsNew);
    EXPECT_EQ(state.Data.Channels.Count, 0);
    EXPECT_TRUE(window.windowTitle().endsWith(":new.dat]"));
}

TEST_F(FileCommandWindowTest, ACancelledInitialiseLeavesNoInitialiseFlagBehind) {
    frmMain& window = Main();
    prompter.Answer(MsgAnswer::Cancel);
    window.Entry("MnuInit")->trigger();
    EXPECT_EQ(prompter.Numbers(), std::vector<int>{9026});
    EXPECT_FALSE(state.InitialiseCommand);

    prompter.Answer(MsgAnswer::Ok);
    window.Entry("MnuInit")->trigger();
    EXPECT_TRUE(state.InitialiseCommand);
    EXPECT_TRUE(window.NewDocTimer.isActive());
}

}  // namespace

}  // namespace mox::test
