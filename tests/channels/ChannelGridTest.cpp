#include <gmock/gmock.h>

#include "app/ChannelFieldCommand.h"
#include "channels/ChannelGrid.h"
#include "channels/GridCommit.h"
#include "image/ImageFixture.h"

namespace mox::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string Numbered(int number) {
    return "T" + std::to_string(number);
}

class ChannelGridTest : public ImageFixture {
protected:
    GridRowTexts RowOf(int number) {
        return ChannelRowTexts(state.Model, state, FindChannel(state.Data.Channels, number), lists,
                               state.Habit.ShowTxAsShift);
    }
    // What the grid does when an in-place editor commits in row `number`.
    void Commit(int number, int column, const CellCommit& commit) {
        if (commit.Stored)
            SetChannelField(state, number, column, *commit.Stored);
    }

    GridLists lists = GridListEntries(Numbered);
};

TEST_F(ChannelGridTest, EachListColumnOffersItsEntriesInStoredOrder) {
    EXPECT_THAT(lists[GridColumn::Power], ElementsAre("T14014", "T14015", "T14016"));
    EXPECT_THAT(lists[GridColumn::Skip], ElementsAre("T14017", "T14018"));
    EXPECT_THAT(lists[GridColumn::Signalling], ElementsAre("T14013", "T14019"));
    EXPECT_THAT(lists[GridColumn::Spacing], ElementsAre("T14020", "T14021", "T14022"));
    for (int column : {GridColumn::RxTone, GridColumn::TxTone}) {
        ASSERT_EQ(lists[column].size(), 283u);
        EXPECT_EQ(lists[column][0], "T14013");
        EXPECT_EQ(lists[column][1], "67.0");
        EXPECT_EQ(lists[column][51], "017N");
        EXPECT_EQ(lists[column][282], "765I");
    }
    for (int column : {GridColumn::Position, GridColumn::Rx, GridColumn::Tx, GridColumn::Details})
        EXPECT_THAT(lists[column], IsEmpty()) << column;
}

TEST_F(ChannelGridTest, TitlesFollowTheShiftHabitInTheTxColumnOnly) {
    for (int column = 0; column < kGridColumnCount; ++column) {
        EXPECT_EQ(GridColumnTitle(column, false), 14001 + column);
        EXPECT_EQ(GridColumnTitle(column, true), column == GridColumn::Tx ? 14100 : 14001 + column);
    }
}

TEST_F(ChannelGridTest, ARowShowsTheChannelsFieldsAndOutOfListValuesAsTheFirstEntry) {
    ChannelRecord& r = Add(5, "435.125");
    SetChannelField(state, 5, 2, "440.125");
    r.RxTone = 316;  // a flagged slot byte 200 from a radio image
    r.TxTone = 167;
    r.TxPower = 3;
    r.ScanSkip = 1;
    r.OptionalSignalling = 1;
    r.Spacing = 2;
    EXPECT_THAT(RowOf(5), ElementsAre("", "435.12500", "440.12500", "", "T14013", "017I", "T14014", "T14018",
                                      "T14019", "T14022", ""));
    state.Habit.ShowTxAsShift = true;
    EXPECT_EQ(RowOf(5)[GridColumn::Tx], "+5.00000");
    EXPECT_THAT(RowOf(6), ElementsAre("", "", "", "", "", "", "", "", "", "", ""));
}

TEST_F(ChannelGridTest, CaptionNamesGroupAndRow) {
    const TextOf english = [](int number) { return number == 14050 ? std::string("Group") : "[CH"; };
    EXPECT_EQ(GridCaption(english, 0, 5), "Group 1 --- [CH 5]");
    EXPECT_EQ(GridCaption(english, 7, 16), "Group 8 --- [CH 16]");
    EXPECT_EQ(GridChannelNumber(7, 16), 128);
    EXPECT_EQ(GridChannelNumber(2, 1), 33);
}

struct FrequencyCase {
    int Column;
    const char* Typed;
    const char* Cell;
    const char* Stored;  // nullptr: nothing is stored and the cell stays
};

TEST(GridCommitTest, EnterFormatsTheCellAndStoresRxFormattedTxAsTyped) {
    const FrequencyCase cases[] = {
        {1, "435.125", "435.12500", "435.12500"},
        {1, "435.123456", "435.12346", "435.12346"},  // rounded as the cell shows it
        {1, "43.5", "43.50000", "43.50000"},
        {1, "", "", ""},     // clears: removes the channel
        {1, ".", ".", "."},  // no number: the store pulls it into the band
        {2, "440", "440.00000", "440"},
        {2, "440.123456", "440.12346", "440.123456"},
        {2, "+5", "+5.00000", "+5"},
        {2, "-0.6", "-0.60000", "-0.6"},
        {2, "", nullptr, nullptr},
        {2, ".", nullptr, nullptr},
        {2, "-", nullptr, nullptr},
    };
    for (const FrequencyCase& c : cases) {
        const CellCommit commit = FrequencyCommit(c.Column, c.Typed);
        if (c.Stored == nullptr) {
            EXPECT_FALSE(commit.Stored) << c.Typed;
            continue;
        }
        EXPECT_EQ(commit.Cell, c.Cell) << c.Typed;
        EXPECT_EQ(commit.Stored, std::string(c.Stored)) << c.Typed;
    }
}

TEST(GridCommitTest, APickShowsTheEntryAndStoresItsIndex) {
    const std::vector<std::string> power = {"Low", "Mid", "High"};
    const CellCommit high = ListCommit(power, 2);
    EXPECT_EQ(high.Cell, "High");
    EXPECT_EQ(high.Stored, "2");
}

TEST_F(ChannelGridTest, TypingRxInAnEmptyRowCreatesASimplexHighPowerChannel) {
    Commit(7, GridColumn::Rx, FrequencyCommit(GridColumn::Rx, "435.125"));
    EXPECT_THAT(RowOf(7), ElementsAre("", "435.12500", "435.12500", "", "T14013", "T14013", "T14016",
                                      "T14017", "T14013", "T14020", ""));
    EXPECT_THAT(views.Changed, ElementsAre(7));
}

TEST_F(ChannelGridTest, ClearingRxRemovesTheChannelExceptTheOnlyOne) {
    Add(1, "435");
    Add(2, "436");
    Commit(1, GridColumn::Rx, FrequencyCommit(GridColumn::Rx, ""));
    EXPECT_EQ(RowOf(1)[GridColumn::Rx], "");
    Commit(2, GridColumn::Rx, FrequencyCommit(GridColumn::Rx, ""));
    EXPECT_EQ(RowOf(2)[GridColumn::Rx], "436.00000");
    EXPECT_THAT(prompter.Prompts, IsEmpty());
}

TEST_F(ChannelGridTest, AnRxOutsideTheBandWarnsAndTheRowShowsTheLimit) {
    Commit(1, GridColumn::Rx, FrequencyCommit(GridColumn::Rx, "500"));
    EXPECT_THAT(prompter.Numbers(), ElementsAre(9021));
    EXPECT_EQ(RowOf(1)[GridColumn::Rx], "480.00000");
}

TEST_F(ChannelGridTest, AValueForAnEmptyRowIsDroppedAndATxThatIsNoNumberIsNotStored) {
    Commit(3, GridColumn::Power, ListCommit(lists[GridColumn::Power], 0));
    EXPECT_EQ(FindChannel(state.Data.Channels, 3), nullptr);
    Add(3, "435");
    Commit(3, GridColumn::Tx, FrequencyCommit(GridColumn::Tx, "."));
    EXPECT_EQ(RowOf(3)[GridColumn::Tx], "435.00000");
}

TEST_F(ChannelGridTest, ThePickedIndexGoesToTheColumnsField) {
    struct ListCase {
        int Column;
        int Index;
        std::int16_t ChannelRecord::*Field;
    };
    const ListCase cases[] = {
        {GridColumn::RxTone, 12, &ChannelRecord::RxTone},
        {GridColumn::TxTone, 200, &ChannelRecord::TxTone},
        {GridColumn::Power, 0, &ChannelRecord::TxPower},
        {GridColumn::Skip, 1, &ChannelRecord::ScanSkip},
        {GridColumn::Signalling, 1, &ChannelRecord::OptionalSignalling},
        {GridColumn::Spacing, 2, &ChannelRecord::Spacing},
    };
    for (const ListCase& c : cases) {
        ChannelRecord& r = Add(c.Column, "435");
        r.RxTone = 1;  // no tone coupling here
        r.TxTone = 1;
        Commit(c.Column, c.Column, ListCommit(lists[c.Column], c.Index));
        EXPECT_EQ(r.*c.Field, c.Index) << c.Column;
        EXPECT_EQ(RowOf(c.Column)[c.Column], lists[c.Column][c.Index]) << c.Column;
    }
}

TEST_F(ChannelGridTest, ATonePickedOnAChannelWithoutTonesShowsInBothToneColumns) {
    Add(1, "435");
    Commit(1, GridColumn::RxTone, ListCommit(lists[GridColumn::RxTone], 1));
    EXPECT_EQ(RowOf(1)[GridColumn::TxTone], "67.0");
    Commit(1, GridColumn::TxTone, ListCommit(lists[GridColumn::TxTone], 60));
    EXPECT_EQ(RowOf(1)[GridColumn::RxTone], "67.0");
    EXPECT_EQ(RowOf(1)[GridColumn::TxTone], lists[GridColumn::TxTone][60]);
}

}  // namespace
}  // namespace mox::test
