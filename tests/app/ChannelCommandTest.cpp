#include <gtest/gtest.h>

#include <deque>

#include "app/ChannelCommand.h"
#include "image/ImageFixture.h"
#include "support/TempFolder.h"

namespace mox::test {
namespace {

// The windows around a command: scripted answers to the question and a log of what is redrawn.
class ScriptedCommandShell : public ChannelCommandShell {
public:
    std::optional<ConfirmAnswer> Confirm(ConfirmKind kind) override {
        Asked.push_back(kind);
        std::optional<ConfirmAnswer> answer = Answers.empty() ? std::nullopt : Answers.front();
        if (!Answers.empty())
            Answers.pop_front();
        return answer;
    }
    void RefreshPosition(int group, int position) override { Log.push_back(16 * group + position); }
    void RefreshAll() override { Log.push_back(0); }
    void MakeCurrentRow(int position) override { CurrentRow = position; }

    std::deque<std::optional<ConfirmAnswer>> Answers;
    std::vector<ConfirmKind> Asked;
    std::vector<int> Log;  // channel numbers of redrawn rows, 0 for the whole group
    int CurrentRow = 0;
};

class ChannelCommandTest : public ImageFixture {
protected:
    ChannelCommandTest() {
        state.Paths = folder.Paths();
        for (int position = 1; position <= 16; ++position)
            Add(position, std::to_string(430 + position));
    }
    ReorderResult Run(ChannelCommandCode code, int position, int group = 0) {
        return RunChannelCommand(state, code, group, position, shell);
    }
    std::string HabitFile() const { return TempFolder::ReadFile(folder.ProgramFolder() / "Habit.ini"); }
    std::string RxAt(int number) const {
        const ChannelRecord* record = FindChannel(state.Data.Channels, number);
        return record == nullptr ? "" : CutFixedText(record->RxDigits).substr(0, 3);
    }

    TempFolder folder;
    ScriptedCommandShell shell;
};

TEST_F(ChannelCommandTest, AnAnsweredQuestionSetsTheHabitsAndKeepsThemInTheFile) {
    struct Case {
        ConfirmKind Kind;
        ConfirmAnswer Answer;
        Habits Expected;
    };
    const Case cases[] = {
        {ConfirmKind::Paste, {true, true}, {true, true, false, false, false}},
        {ConfirmKind::Paste, {false, false}, {false, false, false, false, false}},
        {ConfirmKind::Delete, {true, false}, {false, false, false, true, false}},
        {ConfirmKind::Delete, {false, true}, {false, false, true, false, false}},
    };
    for (const Case& c : cases) {
        Habits habits;
        TakeConfirmAnswer(habits, c.Kind, c.Answer);
        EXPECT_EQ(habits.PasteNoPrompt, c.Expected.PasteNoPrompt);
        EXPECT_EQ(habits.PasteInserts, c.Expected.PasteInserts);
        EXPECT_EQ(habits.DeleteNoPrompt, c.Expected.DeleteNoPrompt);
        EXPECT_EQ(habits.DeleteRemoves, c.Expected.DeleteRemoves);
    }
}

TEST_F(ChannelCommandTest, YesWithDoNotAskAgainMakesLaterPastesInsertWithoutAsking) {
    Run(ChannelCommandCode::Copy, 9);
    shell.Answers.push_back(ConfirmAnswer{true, true});
    Run(ChannelCommandCode::Paste, 5);
    EXPECT_EQ(HabitFile(), std::string("\xFF\xFF\xFF\xFF\0\0\0\0\0\0", 10));
    EXPECT_EQ(RxAt(5), "439");
    EXPECT_EQ(RxAt(6), "435");
    EXPECT_EQ(RxAt(16), "445");

    Run(ChannelCommandCode::Paste, 1);
    EXPECT_EQ(shell.Asked.size(), 1u);
    EXPECT_EQ(RxAt(1), "439");
    EXPECT_EQ(RxAt(2), "431");
}

TEST_F(ChannelCommandTest, AQuestionClosedWithoutAnAnswerGoesOnWithTheHabitsAsTheyWere) {
    state.Habit.DeleteRemoves = true;
    shell.Answers.push_back(std::nullopt);
    Run(ChannelCommandCode::Delete, 3);
    EXPECT_EQ(shell.Asked, std::vector<ConfirmKind>{ConfirmKind::Delete});
    EXPECT_FALSE(std::filesystem::exists(folder.ProgramFolder() / "Habit.ini"));
    EXPECT_EQ(RxAt(3), "434");  // the gap closed as the habit said
    EXPECT_EQ(RxAt(16), "");
    EXPECT_EQ(shell.Log, (std::vector<int>{0, 3}));
}

TEST_F(ChannelCommandTest, CutCopiesThenDeletesAndPasteComesBackInAnotherGroup) {
    state.Habit = {true, false, true, false, false};
    Run(ChannelCommandCode::Cut, 4);
    EXPECT_EQ(RxAt(4), "");
    EXPECT_TRUE(state.Clipboard.Full);
    Run(ChannelCommandCode::Paste, 2, 3);
    EXPECT_EQ(RxAt(50), "434");
    EXPECT_TRUE(shell.Asked.empty());
    EXPECT_EQ(shell.Log, (std::vector<int>{4, 50}));
}

TEST_F(ChannelCommandTest, InsertRedrawsTheGroupAndAMoveTakesTheCurrentRowAlong) {
    Run(ChannelCommandCode::Insert, 3);
    EXPECT_EQ(shell.Log, (std::vector<int>{0, 3}));
    shell.Log.clear();
    Run(ChannelCommandCode::MoveUp, 1);
    EXPECT_EQ(shell.Log, (std::vector<int>{1, 16}));
    EXPECT_EQ(shell.CurrentRow, 16);
    EXPECT_EQ(RxAt(16), "431");
    EXPECT_EQ(RxAt(1), "445");  // the former 16 was lost by the insert
}

TEST_F(ChannelCommandTest, EveryCommandButCopyChecksTheScanAndAlertReferencesAgain) {
    state.Data.Functions.Scan.Priority1Group = 1;
    state.Data.Functions.Scan.Priority1Channel = 16;
    state.Habit.DeleteNoPrompt = true;
    Run(ChannelCommandCode::Copy, 16);
    EXPECT_EQ(views.ReferenceRedraws, 0);
    Run(ChannelCommandCode::Delete, 16);
    EXPECT_EQ(views.ReferenceRedraws, 1);
    EXPECT_EQ(state.Data.Functions.Scan.Priority1Channel, 1);
}

}  // namespace
}  // namespace mox::test
