#include <gmock/gmock.h>

#include "channels/ChannelEditorView.h"
#include "image/ChannelTable.h"
#include "support/ScriptedPrompter.h"

namespace mox::test {
namespace {

using ::testing::ElementsAre;

class ChannelEditorTest : public ::testing::Test {
protected:
    ChannelRecord& Add(int number) {
        ChannelRecord& record = table.Records[static_cast<std::size_t>(table.Count++)];
        record = ChannelRecord{};
        record.Number = static_cast<std::int16_t>(number);
        SetFixedText(record.RxDigits, "43500000");
        record.TxPower = 2;
        return record;
    }
    ChannelEditorContents Show(int number) { return ShowChannelInEditor(table, dtmf, number); }
    std::vector<int> BusyLockOffered(int number) { return Show(number).Offered[kBusyLockList]; }

    ChannelTable table;
    DtmfSettings dtmf;
};

TEST_F(ChannelEditorTest, BusyLockOffersToneOnlyWithTheToneItNeeds) {
    ChannelRecord& r = Add(1);
    EXPECT_THAT(BusyLockOffered(1), ElementsAre(0, 1));
    r.RxTone = 12;
    EXPECT_THAT(BusyLockOffered(1), ElementsAre(0, 1, 2));
    // With reverse on, the transmit tone decides.
    r.Reverse = 1;
    EXPECT_THAT(BusyLockOffered(1), ElementsAre(0, 1));
    r.TxTone = 60;
    r.RxTone = 0;
    EXPECT_THAT(BusyLockOffered(1), ElementsAre(0, 1, 2));
}

TEST_F(ChannelEditorTest, ShowingAChannelTurnsALockoutWithoutItsToneIntoCarrier) {
    ChannelRecord& r = Add(1);
    r.RxTone = 12;
    r.BusyLock = 2;
    EXPECT_EQ(Show(1).ShownEntry[kBusyLockList], 2);
    EXPECT_EQ(r.BusyLock, 2);
    r.Reverse = 1;  // the transmit tone is off
    EXPECT_EQ(Show(1).ShownEntry[kBusyLockList], 1);
    EXPECT_EQ(r.BusyLock, 1);
}

TEST_F(ChannelEditorTest, AnEmptyPositionShowsEveryFieldEmptyAndDisabled) {
    Add(1);
    const ChannelEditorContents shown = Show(2);
    EXPECT_FALSE(shown.Exists);
    for (std::size_t i = 0; i < kEditorListCount; ++i) {
        EXPECT_TRUE(shown.Offered[i].empty()) << i;
        EXPECT_EQ(shown.ShownEntry[i], -1) << i;
    }
    for (std::size_t i = 0; i < kEditorCheckCount; ++i) {
        EXPECT_FALSE(shown.Checked[i]) << i;
        EXPECT_FALSE(shown.CheckEnabled[i]) << i;
    }
}

TEST_F(ChannelEditorTest, ReverseAndTalkaroundChecksFollowTheirList) {
    ChannelRecord& r = Add(1);
    r.Reverse = 1;
    ChannelEditorContents shown = Show(1);
    EXPECT_TRUE(shown.Checked[kReverseCheck]);
    EXPECT_TRUE(shown.CheckEnabled[kReverseCheck]);
    EXPECT_FALSE(shown.CheckEnabled[kTalkaroundCheck]);
    r.ReverseOrTalkaround = 1;
    shown = Show(1);
    EXPECT_FALSE(shown.CheckEnabled[kReverseCheck]);
    EXPECT_TRUE(shown.CheckEnabled[kTalkaroundCheck]);
    EXPECT_TRUE(shown.CheckEnabled[0]);
}

TEST_F(ChannelEditorTest, AutoDialOffersTheMemoriesInUse) {
    EXPECT_THAT(AutoDialChoices(dtmf), ElementsAre(0));
    dtmf.AutoDial[2].Count = 3;
    dtmf.AutoDial[15].Count = 1;
    dtmf.AutoDial[7].Count = 0;
    EXPECT_THAT(AutoDialChoices(dtmf), ElementsAre(0, 3, 16));
}

TEST_F(ChannelEditorTest, AnAutoDialMemoryThatBecameEmptyShowsOffAndKeepsItsNumber) {
    ChannelRecord& r = Add(1);
    dtmf.AutoDial[2].Count = 3;
    dtmf.AutoDial[4].Count = 2;
    r.AutoDial1 = 5;
    r.AutoDial2 = 3;
    ChannelEditorContents shown = Show(1);
    EXPECT_EQ(shown.ShownEntry[8], 2);
    EXPECT_EQ(shown.ShownEntry[10], 1);
    dtmf.AutoDial[4].Count = 0;
    shown = Show(1);
    EXPECT_EQ(shown.ShownEntry[8], 0);
    EXPECT_EQ(r.AutoDial1, 5);
}

TEST_F(ChannelEditorTest, ListsShowTheStoredValueAndTheFirstEntryForOneOutsideThem) {
    ChannelRecord& r = Add(1);
    r.RxTone = 282;
    r.TxTone = 283;  // only a damaged record holds it
    r.TxPower = 3;
    r.PttId = 3;
    r.BusyLock = 3;  // the batch set-up stores it; the editor does not offer it
    const ChannelEditorContents shown = Show(1);
    EXPECT_EQ(shown.Offered[0].size(), 283u);
    EXPECT_EQ(shown.ShownEntry[0], 282);
    EXPECT_EQ(shown.ShownEntry[1], 0);
    EXPECT_EQ(shown.ShownEntry[2], 0);
    EXPECT_EQ(shown.ShownEntry[4], 3);
    EXPECT_EQ(shown.ShownEntry[kBusyLockList], 0);
    EXPECT_EQ(r.BusyLock, 3);
}

TEST_F(ChannelEditorTest, EntryTextsComeFromTheLanguageTextsAndTheToneList) {
    const TextOf text = [](int number) { return "#" + std::to_string(number); };
    const auto& lists = EditorLists();
    const struct {
        int List;
        int Value;
        const char* Text;
    } cases[] = {
        {0, 0, "#15030"}, {0, 1, "67.0"},   {1, 167, "017I"}, {2, 2, "#15046"}, {3, 1, "#15043"},
        {4, 3, "#15039"}, {5, 0, "#15040"}, {6, 2, "#15032"}, {7, 1, "#15035"}, {8, 0, "#14013"},
        {8, 12, "12"},    {9, 1, "#15051"}, {10, 16, "16"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EntryText(lists[static_cast<std::size_t>(c.List)], c.Value, text), c.Text) << c.List;
}

TEST_F(ChannelEditorTest, EachFieldStoresThroughItsOwnColumn) {
    std::vector<int> columns;
    for (const EditorList& list : EditorLists())
        columns.push_back(list.Column);
    for (const EditorCheck& check : EditorChecks())
        columns.push_back(check.Column);
    EXPECT_THAT(columns, ElementsAre(4, 5, 6, 8, 10, 9, 11, 12, 13, 21, 22, 7, 14, 15, 16, 17, 18, 19));
}

TEST_F(ChannelEditorTest, TheChoosersMoveTheEditPositionAndAnotherGroupTheChannelList) {
    ChannelEditState edit;
    edit.EditGroup = 2;
    edit.EditRow = 7;
    RecordingViews views;
    EXPECT_EQ(TakeEditorChoosers(edit, views, 2, 9), 41);
    EXPECT_EQ(views.ListGroupChanges, 0);
    EXPECT_EQ(TakeEditorChoosers(edit, views, 3, 0), 49);
    EXPECT_EQ(edit.EditGroup, 3);
    EXPECT_EQ(edit.EditRow, 1);
    EXPECT_EQ(views.ListGroupChanges, 1);
}

}  // namespace
}  // namespace mox::test
