#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "app/BatchCommand.h"
#include "app/ChannelCommand.h"
#include "app/ChannelFieldCommand.h"
#include "app/EditSteps.h"
#include "app/ExchangeCommands.h"
#include "editors/OptionFields.h"
#include "files/DocumentEdits.h"
#include "files/FileTestSupport.h"
#include "image/ImageFixture.h"
#include "support/TempFolder.h"

namespace mox::test {
namespace {

class SilentCommandShell : public ChannelCommandShell {
public:
    std::optional<ConfirmAnswer> Confirm(ConfirmKind) override { return std::nullopt; }
    void RefreshPosition(int, int) override {}
    void RefreshAll() override {}
    void MakeCurrentRow(int) override {}
};

// A document of twenty channels in groups 1 and 2 with a fresh history, on an installation with the
// delivered language files.
class UndoStepsTest : public ImageFixture {
protected:
    UndoStepsTest() {
        folder.InstallLanguageFiles();
        state.Paths = folder.Paths();
        state.Habit.DeleteNoPrompt = true;
        state.Habit.PasteNoPrompt = true;
        for (int number = 1; number <= 20; ++number) {
            ChannelRecord& channel = Add(number, "4" + std::to_string(30 + number) + ".12500");
            channel.RxTone = static_cast<std::int16_t>(number);
            channel.TxPower = static_cast<std::int16_t>(number % 3);
        }
        state.Data.Functions.Scan.Priority1Group = 2;
        state.Data.Functions.Scan.Priority1Channel = 4;
        StartHistory(state);
    }

    // The edit makes one step named `name`; undo gives back the records exactly as before it, redo
    // exactly as after it.
    void ExpectExactStep(const std::function<void()>& edit, const std::string& name) {
        const DocumentSnapshot before = SnapshotOf(state);
        edit();
        const DocumentSnapshot after = SnapshotOf(state);
        ASSERT_NE(before, after);
        ASSERT_EQ(state.History.UndoCount(), 1u);
        EXPECT_EQ(StepText(state, *state.History.NextUndo()), name);
        ASSERT_TRUE(UndoEdit(state));
        EXPECT_TRUE(SnapshotOf(state) == before) << name;
        ASSERT_TRUE(RedoEdit(state));
        EXPECT_TRUE(SnapshotOf(state) == after) << name;
    }

    TempFolder folder;
    SilentCommandShell shell;
};

TEST_F(UndoStepsTest, AValueStoredIntoAChannelIsOneNamedStep) {
    ExpectExactStep([this] { SetChannelField(state, 5, 1, "436.00000"); },
                    "Change receive frequency of channel 5");
}

TEST_F(UndoStepsTest, ClearingTheReceiveFrequencyDeletesTheChannelAndUndoBringsItBack) {
    ExpectExactStep([this] { SetChannelField(state, 20, 1, ""); }, "Change receive frequency of channel 20");
    EXPECT_EQ(FindChannel(state.Data.Channels, 20), nullptr);
    UndoEdit(state);
    EXPECT_NE(FindChannel(state.Data.Channels, 20), nullptr);
}

TEST_F(UndoStepsTest, EachChannelCommandIsOneNamedStep) {
    struct Case {
        ChannelCommandCode Code;
        int Position;
        const char* Name;
    };
    const Case cases[] = {
        {ChannelCommandCode::Delete, 12, "Delete channel 12"},
        {ChannelCommandCode::Cut, 3, "Cut channel 3"},
        {ChannelCommandCode::Insert, 2, "Insert an empty channel at 2"},
        {ChannelCommandCode::MoveUp, 1, "Move channel 1 up"},
        {ChannelCommandCode::MoveDown, 16, "Move channel 16 down"},
    };
    for (const Case& c : cases) {
        StartHistory(state);
        ExpectExactStep([&] { RunChannelCommand(state, c.Code, 0, c.Position, shell); }, c.Name);
    }
    // Deleting a channel the scan settings name moves their reference; undo puts it back too.
    StartHistory(state);
    ExpectExactStep([this] { RunChannelCommand(state, ChannelCommandCode::Delete, 1, 4, shell); },
                    "Delete channel 20");
    EXPECT_EQ(state.Data.Functions.Scan.Priority1Channel, 1);
    UndoEdit(state);
    EXPECT_EQ(state.Data.Functions.Scan.Priority1Channel, 4);
}

TEST_F(UndoStepsTest, PasteIsAStepAndCopyIsNone) {
    RunChannelCommand(state, ChannelCommandCode::Copy, 0, 7, shell);
    EXPECT_EQ(state.History.UndoCount(), 0u);
    ExpectExactStep([this] { RunChannelCommand(state, ChannelCommandCode::Paste, 1, 9, shell); },
                    "Paste into channel 25");
}

TEST_F(UndoStepsTest, ABatchApplyIsOneStepEvenWithRandomTones) {
    BatchFields fields = InitialBatchFields(state.Model);
    fields.AllChannels = false;
    fields.FromText = "1";
    fields.ToText = "16";
    fields.RxStart = "440.00000";
    fields.RxStep = "12.5";
    fields.RxTone.Random = true;
    state.BatchItems.fill(1);
    const ToneDraw draw = UniformToneDraw(42);
    ExpectExactStep([&] { ApplyBatchToDocument(state, fields, draw); }, "Batch set-up of channels 1-16");
}

TEST_F(UndoStepsTest, AnImportIsOneStep) {
    const auto csv = folder.Root() / "list.csv";
    TempFolder::WriteFile(csv, "Location,Frequency\r\n1,440.000000\r\n2,441.000000\r\n");
    ScriptedDialogs dialogs;
    dialogs.Answers.push_back(csv.string());
    ExpectExactStep([&] { ImportChannels(state, dialogs, ImportOptions{}); }, "Import channels");
    EXPECT_EQ(state.Data.Channels.Count, 2);
    UndoEdit(state);
    EXPECT_EQ(state.Data.Channels.Count, 20);
}

TEST_F(UndoStepsTest, AnEditorsChangeIsAStepNamedAfterTheEditor) {
    ExpectExactStep(
        [this] {
            SaveOptFeat(state.Data.Functions, 0, 7);
            EditorSteps(state, EditorStep::OptionalFeatures).Changed();
        },
        "Change optional features");
    StartHistory(state);
    ExpectExactStep(
        [this] {
            state.Companion.AlarmMode = 0;
            EditorSteps(state, EditorStep::Alert).Changed();
        },
        "Change alert settings");
    StartHistory(state);
    ExpectExactStep(
        [this] {
            state.WorkingTestData[3] = 99;
            EditorSteps(state, EditorStep::TestData).Changed();
        },
        "Change test data");
}

TEST_F(UndoStepsTest, NamesAndCaptionsFollowTheLanguageInForce) {
    SetChannelField(state, 5, 4, "7");
    UndoCommandState commands = UndoCommandsOf(state, false);
    EXPECT_EQ(commands.UndoCaption, "&Undo Change receive tone of channel 5");
    EXPECT_EQ(commands.RedoCaption, "&Redo");
    EXPECT_TRUE(commands.UndoEnabled);
    EXPECT_FALSE(commands.RedoEnabled);
    state.Language.FileName = "chinese.ini";
    commands = UndoCommandsOf(state, false);
    EXPECT_EQ(commands.UndoCaption, "撤销(&U) 修改信道 5 的接收亚音");
    EXPECT_EQ(commands.UndoToolTip, "撤销 修改信道 5 的接收亚音");
}

TEST_F(UndoStepsTest, NothingIsUndoneWhileTheDocumentIsLocked) {
    SetChannelField(state, 5, 4, "7");
    UndoEdit(state);
    const UndoCommandState commands = UndoCommandsOf(state, true);
    EXPECT_FALSE(commands.UndoEnabled);
    EXPECT_FALSE(commands.RedoEnabled);
    EXPECT_FALSE(DocumentLocked(state));
    state.Document.Locked = true;
    EXPECT_TRUE(DocumentLocked(state));
    state.Document.Locked = false;
    state.Transfer.Kind = TransferKind::WriteImage;
    EXPECT_TRUE(DocumentLocked(state));
}

TEST_F(UndoStepsTest, EveryChannelColumnHasAName) {
    for (int column : {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 22}) {
        for (const char* language : {"english.ini", "chinese.ini"}) {
            state.Language.FileName = language;
            const std::string name = StepText(state, ChannelFieldStep(9, column));
            EXPECT_NE(name.find('9'), std::string::npos) << column;
            EXPECT_EQ(name.find('{'), std::string::npos) << column << " " << name;
            EXPECT_GT(name.size(), 12u) << column;
        }
    }
}

}  // namespace
}  // namespace mox::test
