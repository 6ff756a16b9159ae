#include <gtest/gtest.h>

#include "channels/ChannelReorder.h"
#include "image/ImageFixture.h"

namespace mox::test {
namespace {

// Two full groups whose records lie in the table from the last position to the first, so that a rule
// that walks the table in order and looks channels up by number would move a channel twice. Position q
// of group 1 receives on 4xx.q00 MHz, group 2 on 45x.q00, so each channel can be told apart.
class ChannelReorderTest : public ImageFixture {
protected:
    void SetUp() override {
        for (int group : {1, 2}) {
            for (int position = 16; position >= 1; --position)
                Add(16 * group + position, Rx(group, position));
        }
    }
    static std::string Rx(int group, int position) {
        return std::to_string(400 + 20 * group + position) + ".5";
    }
    static std::string Digits(int group, int position) {
        return std::to_string(400 + 20 * group + position) + "50000";
    }
    // The receive digits of the 16 positions of a group, "" where there is no channel.
    std::vector<std::string> Group(int group) const {
        std::vector<std::string> rows;
        for (int position = 1; position <= 16; ++position) {
            const ChannelRecord* record = FindChannel(state.Data.Channels, 16 * group + position);
            rows.push_back(record == nullptr ? "" : CutFixedText(record->RxDigits));
        }
        return rows;
    }
    // The group as it was set up, with the positions given by `from` (position -> former position,
    // 0 for empty).
    static std::vector<std::string> Expected(int group, const std::vector<int>& from) {
        std::vector<std::string> rows;
        for (int former : from)
            rows.push_back(former == 0 ? "" : Digits(group, former));
        return rows;
    }
    static std::vector<int> Unmoved() { return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}; }
};

TEST_F(ChannelReorderTest, DeleteLeavesAGapOrClosesItWithinTheGroup) {
    const auto gap = DeleteChannelAtPosition(state.Data.Channels, 1, 3, false);
    EXPECT_EQ(Group(1), Expected(1, {1, 2, 0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(gap.Positions, std::vector<int>{3});
    EXPECT_FALSE(gap.WholeGroup);

    const auto closed = DeleteChannelAtPosition(state.Data.Channels, 2, 3, true);
    EXPECT_EQ(Group(2), Expected(2, {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0}));
    EXPECT_TRUE(closed.WholeGroup);
    EXPECT_EQ(Group(1), Expected(1, {1, 2, 0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(state.Data.Channels.Count, 30);
}

TEST_F(ChannelReorderTest, DeletingAnEmptyPositionStillClosesTheGap) {
    DeleteChannelAtPosition(state.Data.Channels, 1, 3, false);
    DeleteChannelAtPosition(state.Data.Channels, 1, 3, true);
    EXPECT_EQ(Group(1), Expected(1, {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0}));
}

TEST_F(ChannelReorderTest, InsertIntoAFullGroupLosesPosition16WhateverTheRecordOrder) {
    InsertEmptyChannel(state.Data.Channels, 1, 3);
    EXPECT_EQ(Group(1), Expected(1, {1, 2, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(Group(2), Expected(2, Unmoved()));
    EXPECT_EQ(state.Data.Channels.Count, 31);

    InsertEmptyChannel(state.Data.Channels, 2, 16);  // only the channel at 16 goes
    EXPECT_EQ(Group(2), Expected(2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}));
}

TEST_F(ChannelReorderTest, PasteInsertsOrOverwrites) {
    ChannelClipboard clipboard;
    ASSERT_TRUE(CopyChannel(state.Data.Channels, clipboard, 2, 9));
    clipboard.Record.TxPower = 0;

    PasteChannel(state.Data.Channels, clipboard, 1, 5, false);
    std::vector<std::string> overwritten = Expected(1, Unmoved());
    overwritten[4] = Digits(2, 9);
    EXPECT_EQ(Group(1), overwritten);
    EXPECT_EQ(FindChannel(state.Data.Channels, 21)->TxPower, 0);

    PasteChannel(state.Data.Channels, clipboard, 2, 5, true);
    std::vector<std::string> inserted = Expected(2, {1, 2, 3, 4, 0, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    inserted[4] = Digits(2, 9);
    EXPECT_EQ(Group(2), inserted);
    EXPECT_EQ(state.Data.Channels.Count, 32);
}

TEST_F(ChannelReorderTest, PasteOntoAnEmptyPositionAddsTheChannelAndAnEmptyRecordRemovesOne) {
    ChannelClipboard clipboard;
    CopyChannel(state.Data.Channels, clipboard, 1, 1);
    PasteChannel(state.Data.Channels, clipboard, 5, 7, false);
    ASSERT_NE(FindChannel(state.Data.Channels, 87), nullptr);
    EXPECT_EQ(CutFixedText(FindChannel(state.Data.Channels, 87)->RxDigits), Digits(1, 1));
    EXPECT_EQ(state.Data.Channels.Count, 33);

    clipboard.Record.IsEmpty = 1;
    PasteChannel(state.Data.Channels, clipboard, 1, 2, false);
    EXPECT_EQ(FindChannel(state.Data.Channels, 18), nullptr);
}

TEST_F(ChannelReorderTest, CopyOfAnEmptyPositionKeepsTheClipboardAndAnEmptyClipboardPastesNothing) {
    ChannelClipboard clipboard;
    EXPECT_FALSE(CopyChannel(state.Data.Channels, clipboard, 0, 1));
    EXPECT_FALSE(clipboard.Full);
    PasteChannel(state.Data.Channels, clipboard, 0, 1, true);
    EXPECT_EQ(state.Data.Channels.Count, 32);

    CopyChannel(state.Data.Channels, clipboard, 1, 4);
    EXPECT_FALSE(CopyChannel(state.Data.Channels, clipboard, 0, 1));
    EXPECT_TRUE(clipboard.Full);
    EXPECT_EQ(CutFixedText(clipboard.Record.RxDigits), Digits(1, 4));
}

TEST_F(ChannelReorderTest, MovesWrapBetweenPositions1And16WithinTheGroup) {
    struct Move {
        int Position;
        bool Up;
        int Target;
    };
    const Move moves[] = {{1, true, 16}, {16, false, 1}, {7, true, 6}, {7, false, 8}};
    for (const Move& move : moves) {
        SCOPED_TRACE(move.Position);
        EXPECT_EQ(MoveTarget(move.Position, move.Up), move.Target);
        MoveChannel(state.Data.Channels, 2, move.Position, move.Up);
        std::vector<int> swapped = Unmoved();
        std::swap(swapped[move.Position - 1], swapped[move.Target - 1]);
        EXPECT_EQ(Group(2), Expected(2, swapped));
        MoveChannel(state.Data.Channels, 2, move.Target, !move.Up);  // and back
        EXPECT_EQ(Group(2), Expected(2, Unmoved()));
    }
    EXPECT_EQ(Group(1), Expected(1, Unmoved()));
}

TEST_F(ChannelReorderTest, AChannelMovedIntoAnEmptyPositionLeavesItsOwnEmpty) {
    DeleteChannelAtPosition(state.Data.Channels, 1, 6, false);
    const auto moved = MoveChannel(state.Data.Channels, 1, 7, true);
    EXPECT_EQ(Group(1), Expected(1, {1, 2, 3, 4, 5, 7, 0, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(moved.Positions, (std::vector<int>{6, 7}));
}

}  // namespace
}  // namespace mox::test
