#include <gmock/gmock.h>

#include "app/ProgramVersion.h"
#include "files/DataChanged.h"
#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "files/FileTestSupport.h"
#include "image/Models.h"
#include "services/Versions.h"

namespace mox::test {
namespace {

using ::testing::ElementsAre;

class RecordingStarter : public ProgramStarter {
public:
    bool StartAndExit(const std::filesystem::path& executable) override {
        Started.push_back(executable);
        return true;
    }
    std::vector<std::filesystem::path> Started;
};

class FileCommandsTest : public FileTest {
protected:
    // Opens a saved file through the Open command.
    void OpenSavedFile(const std::string& name) {
        WriteDataFile(PathOf(name), state.Data);
        dialogs.Answers.push_back(PathOf(name));
        ASSERT_TRUE(FileOpen(state, dialogs, windows));
        prompts.Prompts.clear();
        windows.Calls.clear();
        dialogs.Shown = 0;
    }
};

TEST_F(FileCommandsTest, NewAsksToSaveOnlyChangedDataThenWhetherToStart) {
    OpenSavedFile("a.dat");
    prompts.Answer(MsgAnswer::Ok);
    FileNew(state, dialogs, windows);
    EXPECT_THAT(prompts.Numbers(), ElementsAre(9026));
    EXPECT_THAT(windows.Calls, ElementsAre("new"));

    state.Data.Functions.Options.SquelchLevel = 2;
    prompts.Answer(MsgAnswer::Yes);
    prompts.Answer(MsgAnswer::Cancel);
    FileNew(state, dialogs, windows);
    EXPECT_THAT(prompts.Numbers(), ElementsAre(9026, 9006, 9026));
    EXPECT_EQ(TempFolder::ReadFile(PathOf("a.dat"))[8071], 2);
    EXPECT_THAT(windows.Calls, ElementsAre("new", "caption"));
}

TEST_F(FileCommandsTest, CancelOrASaveThatDidNotHappenEndsNew) {
    state.Data.Functions.Options.SquelchLevel = 2;
    prompts.Answer(MsgAnswer::Cancel);
    FileNew(state, dialogs, windows);
    prompts.Answer(MsgAnswer::Yes);
    FileNew(state, dialogs, windows);  // never saved: the save dialog, cancelled
    EXPECT_THAT(prompts.Numbers(), ElementsAre(9006, 9006));
    EXPECT_EQ(dialogs.Shown, 1);
    EXPECT_TRUE(windows.Calls.empty());

    state.Data.Functions.Options.SquelchLevel = 0;
    OpenSavedFile("a.dat");
    state.Data.Functions.Options.SquelchLevel = 2;
    state.Document.CurrentPath = PathOf("gone/a.dat");
    prompts.Answer(MsgAnswer::Yes);
    FileNew(state, dialogs, windows);  // the save fails
    EXPECT_THAT(prompts.Numbers(), ElementsAre(9006, 9002));
    EXPECT_TRUE(windows.Calls.empty());

    prompts.Answer(MsgAnswer::No);
    prompts.Answer(MsgAnswer::Ok);
    FileNew(state, dialogs, windows);
    EXPECT_THAT(prompts.Numbers(), ElementsAre(9006, 9002, 9006, 9026));
    EXPECT_THAT(windows.Calls, ElementsAre("new"));
}

TEST_F(FileCommandsTest, ToolBarNewAsksOnlyWhetherToSaveChangedData) {
    FileNewFromToolBar(state, dialogs, windows);
    EXPECT_TRUE(prompts.Prompts.empty());
    EXPECT_THAT(windows.Calls, ElementsAre("new"));

    OpenSavedFile("a.dat");
    state.Data.Functions.Options.SquelchLevel = 2;
    prompts.Answer(MsgAnswer::Cancel);
    FileNewFromToolBar(state, dialogs, windows);
    EXPECT_TRUE(windows.Calls.empty());
    prompts.Answer(MsgAnswer::Yes);
    FileNewFromToolBar(state, dialogs, windows);
    EXPECT_EQ(TempFolder::ReadFile(PathOf("a.dat"))[8071], 2);
    state.Data.Functions.Options.SquelchLevel = 3;
    prompts.Answer(MsgAnswer::No);
    FileNewFromToolBar(state, dialogs, windows);

    EXPECT_THAT(prompts.Numbers(), ElementsAre(9006, 9006, 9006));
    EXPECT_THAT(windows.Calls, ElementsAre("caption", "new", "new"));
    EXPECT_EQ(TempFolder::ReadFile(PathOf("a.dat"))[8071], 2);
}

TEST_F(FileCommandsTest, DialogsStartInTheDocumentsFolderThenTheLastUsedOne) {
    const std::filesystem::path documents = folder.Root() / "documents";
    const std::filesystem::path fleet = folder.Root() / "fleet";
    std::filesystem::create_directories(documents);
    std::filesystem::create_directories(fleet);
    state.DocumentsFolder = documents;

    EXPECT_FALSE(FileOpen(state, dialogs, windows));
    EXPECT_FALSE(FileSaveAs(state, dialogs, windows));
    EXPECT_THAT(dialogs.Folders, ElementsAre(documents.string()));
    EXPECT_THAT(dialogs.Proposed, ElementsAre((documents / "new.dat").string()));

    dialogs.Answers.push_back((fleet / "a.dat").string());
    ASSERT_TRUE(FileSaveAs(state, dialogs, windows));
    EXPECT_EQ(state.UserStore->Read("Settings", "LastFolder", ""), fleet.string());
    state.UserStore->Write("Settings", "LastFolder", documents.string());
    EXPECT_EQ(DialogStartFolder(state), fleet);  // the document's own folder comes first

    state.Document = DocumentState{};
    state.UserStore->Write("Settings", "LastFolder", fleet.string());
    EXPECT_EQ(DialogStartFolder(state), fleet);
    std::filesystem::remove_all(fleet);
    EXPECT_EQ(DialogStartFolder(state), documents);
    state.DocumentsFolder.clear();
    EXPECT_EQ(DialogStartFolder(state), std::filesystem::path());
}

TEST_F(FileCommandsTest, SavingNeverSavedDataAsksForAName) {
    state.Data.Functions.Options.SquelchLevel = 2;
    prompts.Answer(MsgAnswer::Yes);

    FileNew(state, dialogs, windows);  // the save dialog is cancelled
    EXPECT_THAT(dialogs.Proposed, ElementsAre("new.dat"));
    EXPECT_FALSE(std::filesystem::exists("new.dat"));

    dialogs.Answers.push_back(PathOf("named.dat"));
    ASSERT_TRUE(FileSave(state, dialogs, windows));
    EXPECT_EQ(state.Document.CurrentPath, PathOf("named.dat"));
    EXPECT_FALSE(state.Document.IsNew);
    EXPECT_EQ(TempFolder::ReadFile(PathOf("named.dat")).size(), 8597u);
}

TEST_F(FileCommandsTest, SaveAsksWithTheFileNameFirst) {
    OpenSavedFile("radio.dat");
    state.Data.Functions.Options.SquelchLevel = 2;

    EXPECT_FALSE(FileSave(state, dialogs, windows));  // Cancel

    ASSERT_EQ(prompts.Prompts.size(), 1u);
    EXPECT_EQ(prompts.Prompts[0].Text.rfind("\"radio.dat\"", 0), 0u);
    EXPECT_EQ(prompts.Prompts[0].Buttons, MsgButtons::OkCancel);
    EXPECT_EQ(prompts.Prompts[0].Icon, MsgIcon::Question);
    EXPECT_EQ(TempFolder::ReadFile(PathOf("radio.dat"))[8071], 0);
    EXPECT_EQ(dialogs.Shown, 0);
}

TEST_F(FileCommandsTest, CancelOrAFailedSaveEndsOpenAndCancelledDialogsChangeNothing) {
    OpenSavedFile("a.dat");
    state.Data.Functions.Options.SquelchLevel = 2;
    const RadioData before = state.Data;
    prompts.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(FileOpen(state, dialogs, windows));
    EXPECT_EQ(dialogs.Shown, 0);

    prompts.Answer(MsgAnswer::No);
    EXPECT_FALSE(FileOpen(state, dialogs, windows));
    EXPECT_FALSE(FileSaveAs(state, dialogs, windows));
    EXPECT_EQ(state.Data, before);
    EXPECT_EQ(state.Document.CurrentPath, PathOf("a.dat"));
    EXPECT_TRUE(windows.Calls.empty());

    state.Document.CurrentPath = PathOf("gone/a.dat");
    prompts.Answer(MsgAnswer::Yes);
    EXPECT_FALSE(FileOpen(state, dialogs, windows));
    EXPECT_THAT(prompts.Numbers(), ElementsAre(9006, 9006, 9006, 9002));
    EXPECT_EQ(dialogs.Shown, 2);
}

TEST_F(FileCommandsTest, FailedOpenOrSaveAsKeepsTheCurrentPath) {
    OpenSavedFile("a.dat");
    TempFolder::WriteFile(PathOf("broken.dat"), "V200");
    dialogs.Answers.push_back(PathOf("broken.dat"));
    dialogs.Answers.push_back(PathOf("gone/b.dat"));

    EXPECT_FALSE(FileOpen(state, dialogs, windows));
    EXPECT_FALSE(FileSaveAs(state, dialogs, windows));

    EXPECT_THAT(prompts.Numbers(), ElementsAre(9033, 9002));
    EXPECT_EQ(state.Document.CurrentPath, PathOf("a.dat"));
}

TEST_F(FileCommandsTest, FileOfAnotherVersionOffersToStartIt) {
    TempFolder::WriteFile(folder.Root() / "Version.ini",
                          "[Version]\nFirmVersionCount=2\n[Firm]\nFirm0=V200V200\nFirm1=V100V100\n");
    LoadVersionRecords(state);
    RecordingStarter starter;
    state.Starter = &starter;
    RadioData other = state.Data;
    SetFixedText(other.FormatTag, "V100");
    other.Functions.Options.SquelchLevel = 9;
    WriteDataFile(PathOf("v100.dat"), other);
    SetFixedText(other.FormatTag, "V150");
    WriteDataFile(PathOf("v150.dat"), other);
    prompts.Answer(MsgAnswer::Yes);
    prompts.Answer(MsgAnswer::Yes);

    EXPECT_FALSE(OpenDataFile(state, windows, PathOf("v100.dat")));
    EXPECT_FALSE(OpenDataFile(state, windows, PathOf("v150.dat")));

    EXPECT_THAT(prompts.Numbers(), ElementsAre(9062, 9062, 9063));
    EXPECT_EQ(prompts.Prompts[0].Buttons, MsgButtons::YesNo);
    EXPECT_THAT(starter.Started, ElementsAre(folder.Root() / "V100" / "moxcps"));
    EXPECT_EQ(state.Data.Functions.Options.SquelchLevel, 0);
}

TEST_F(FileCommandsTest, SecondOpenCommandKeepsTagAndCurrentBand) {
    RadioData other = state.Data;
    SetFixedText(other.FormatTag, "V100");
    other.Model.BandCode = 7;
    WriteDataFile(PathOf("other.dat"), other);
    dialogs.Answers.push_back(PathOf("other.dat"));

    ASSERT_TRUE(FileOpenDirect(state, dialogs, windows));

    EXPECT_EQ(CutFixedText(state.Data.FormatTag), "V100");
    EXPECT_EQ(state.Data.Model.BandCode, 0);
    EXPECT_EQ(state.Model.BandCode, 0);
    EXPECT_EQ(windows.Calls.front(), "close");
}

}  // namespace
}  // namespace mox::test
