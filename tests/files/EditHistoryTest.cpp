#include <gtest/gtest.h>

#include "files/DataChanged.h"
#include "files/DocumentEdits.h"
#include "files/EditHistory.h"
#include "image/ChannelTable.h"

namespace mox::test {
namespace {

// Data that differ from each other by the squelch level, 0..n.
DocumentSnapshot WithSquelch(int level) {
    DocumentSnapshot data;
    data.Data.Functions.Options.SquelchLevel = static_cast<std::int16_t>(level);
    return data;
}

StepName Named(int text) {
    return {text, {}, {}};
}

int SquelchOf(const DocumentSnapshot& data) {
    return data.Data.Functions.Options.SquelchLevel;
}

TEST(EditHistoryTest, UndoAndRedoWalkTheStepsBackAndForth) {
    EditHistory history;
    history.Start(WithSquelch(0));
    for (int level = 1; level <= 3; ++level)
        ASSERT_TRUE(history.Record(WithSquelch(level), Named(level)));
    DocumentSnapshot current = WithSquelch(3);
    ASSERT_EQ(history.NextUndo()->Text, 3);
    ASSERT_TRUE(history.Undo(current));
    EXPECT_EQ(SquelchOf(current), 2);
    ASSERT_TRUE(history.Undo(current));
    EXPECT_EQ(SquelchOf(current), 1);
    EXPECT_EQ(history.NextRedo()->Text, 2);
    ASSERT_TRUE(history.Redo(current));
    EXPECT_EQ(SquelchOf(current), 2);
    EXPECT_EQ(history.NextUndo()->Text, 2);
    EXPECT_EQ(history.NextRedo()->Text, 3);
    ASSERT_TRUE(history.Undo(current));
    ASSERT_TRUE(history.Undo(current));
    EXPECT_EQ(SquelchOf(current), 0);
    EXPECT_FALSE(history.Undo(current));
    EXPECT_EQ(SquelchOf(current), 0);
    EXPECT_EQ(history.RedoCount(), 3u);
}

TEST(EditHistoryTest, AChangeAfterUndoDropsTheRedoSteps) {
    EditHistory history;
    history.Start(WithSquelch(0));
    history.Record(WithSquelch(1), Named(1));
    history.Record(WithSquelch(2), Named(2));
    DocumentSnapshot current = WithSquelch(2);
    history.Undo(current);
    ASSERT_EQ(history.RedoCount(), 1u);
    ASSERT_TRUE(history.Record(WithSquelch(5), Named(5)));
    EXPECT_EQ(history.RedoCount(), 0u);
    EXPECT_EQ(history.NextRedo(), nullptr);
    EXPECT_FALSE(history.Redo(current));
    EXPECT_EQ(history.NextUndo()->Text, 5);
}

TEST(EditHistoryTest, AnEditThatChangedNothingMakesNoStep) {
    EditHistory history;
    history.Start(WithSquelch(4));
    EXPECT_FALSE(history.Record(WithSquelch(4), Named(1)));
    EXPECT_EQ(history.UndoCount(), 0u);
}

TEST(EditHistoryTest, TheStepAfterTheThousandthDropsTheOldest) {
    EditHistory history;
    history.Start(WithSquelch(0));
    for (int level = 1; level <= 1001; ++level)
        history.Record(WithSquelch(level), Named(level));
    EXPECT_EQ(history.UndoCount(), EditHistory::kMaxSteps);
    DocumentSnapshot current = WithSquelch(1001);
    while (history.Undo(current)) {
    }
    // The first step (0 -> 1) is gone: the oldest data left are those after it.
    EXPECT_EQ(SquelchOf(current), 1);
}

TEST(EditHistoryTest, TypingIntoOneBoxIsOneStepAndTypingItAwayLeavesNone) {
    EditHistory history;
    history.Start(WithSquelch(0));
    history.Record(WithSquelch(1), Named(7), 101);
    history.Record(WithSquelch(2), Named(7), 101);
    history.Record(WithSquelch(3), Named(7), 101);
    EXPECT_EQ(history.UndoCount(), 1u);
    history.Record(WithSquelch(4), Named(7), 102);  // another box
    EXPECT_EQ(history.UndoCount(), 2u);
    history.Record(WithSquelch(3), Named(7), 102);  // that box's typing taken back
    EXPECT_EQ(history.UndoCount(), 1u);
    DocumentSnapshot current = WithSquelch(3);
    ASSERT_TRUE(history.Undo(current));
    EXPECT_EQ(SquelchOf(current), 0);
}

TEST(EditHistoryTest, StepsMergeOnlyWhileNothingElseHappened) {
    EditHistory history;
    history.Start(WithSquelch(0));
    history.Record(WithSquelch(1), Named(7), 101);
    DocumentSnapshot current = WithSquelch(1);
    history.Undo(current);
    history.Redo(current);
    history.Record(WithSquelch(2), Named(7), 101);
    EXPECT_EQ(history.UndoCount(), 2u);
    history.Record(WithSquelch(3), Named(8));
    history.Record(WithSquelch(4), Named(8));
    EXPECT_EQ(history.UndoCount(), 4u) << "steps without a merge key never merge";
}

TEST(EditHistoryTest, AbsorbedValuesJoinTheDataWithoutAStep) {
    EditHistory history;
    history.Start(WithSquelch(0));
    history.Record(WithSquelch(1), Named(1));
    history.Absorb(WithSquelch(9));  // a window wrote back what it shows
    EXPECT_EQ(history.UndoCount(), 1u);
    EXPECT_FALSE(history.Record(WithSquelch(9), Named(2)));
    DocumentSnapshot current = WithSquelch(9);
    history.Undo(current);
    EXPECT_EQ(SquelchOf(current), 0);
    history.Redo(current);
    EXPECT_EQ(SquelchOf(current), 9) << "redo gives back the data as they stood at the undo";
}

TEST(EditHistoryTest, UndoBackToTheSavedDataCountsAsUnchanged) {
    DocumentContext document;
    AppendDefaultChannel(document.Data.Channels, document.Model, 1, "435.00000");
    document.SavedData = document.Data;
    document.SavedCompanion = document.Companion;
    StartHistory(document);
    document.Data.Functions.Options.SquelchLevel = 5;
    RecordEdit(document, Named(1));
    document.SavedData = document.Data;  // saved here; Save keeps the history
    document.Companion.AlarmMode = 0;
    RecordEdit(document, Named(2));
    ASSERT_TRUE(IsDataChanged(document));
    ASSERT_TRUE(UndoEdit(document));
    EXPECT_FALSE(IsDataChanged(document));
    ASSERT_TRUE(UndoEdit(document));
    EXPECT_TRUE(IsDataChanged(document)) << "before the save";
    ASSERT_TRUE(RedoEdit(document));
    EXPECT_FALSE(IsDataChanged(document));
    EXPECT_EQ(document.Companion.AlarmMode, 1);
}

TEST(EditHistoryTest, StartingAfreshForgetsEveryStep) {
    DocumentContext document;
    StartHistory(document);
    document.Data.Functions.Options.SquelchLevel = 5;
    RecordEdit(document, Named(1));
    document.Data.Functions.Options.SquelchLevel = 6;
    RecordEdit(document, Named(2));
    UndoEdit(document);
    StartHistory(document);
    EXPECT_EQ(document.History.UndoCount(), 0u);
    EXPECT_EQ(document.History.RedoCount(), 0u);
    EXPECT_FALSE(UndoEdit(document));
    EXPECT_EQ(document.Data.Functions.Options.SquelchLevel, 5);
}

}  // namespace
}  // namespace mox::test
