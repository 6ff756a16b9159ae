#include <gmock/gmock.h>

#include "app/ChannelEditorStores.h"
#include "channels/ChannelEditorFields.h"
#include "image/ImageFixture.h"

namespace mox::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ChannelEditorStoresTest : public ImageFixture {
protected:
    const ChannelRecord* Channel(int number) const { return FindChannel(state.Data.Channels, number); }
};

TEST_F(ChannelEditorStoresTest, ATypedReceiveFrequencyCreatesTheChannelAndIsStoredAsTheCellShowsIt) {
    StoreEditorRx(state, 37, "435.1");
    ASSERT_NE(Channel(37), nullptr);
    EXPECT_EQ(CutFixedText(Channel(37)->RxDigits), "43510000");
    const FrequencyTexts texts = FrequencyTextsOf(state, *Channel(37));
    EXPECT_EQ(texts.Rx, "435.10000");
    EXPECT_EQ(texts.Tx, "435.10000");
    EXPECT_THAT(views.Changed, ElementsAre(37));
}

TEST_F(ChannelEditorStoresTest, OutOfBandIsClampedWithWarningAndEmptyDeletesExceptTheOnlyChannel) {
    StoreEditorRx(state, 1, "500");
    EXPECT_EQ(CutFixedText(Channel(1)->RxDigits), "48000000");
    EXPECT_THAT(prompter.Numbers(), ElementsAre(9021));
    StoreEditorRx(state, 1, "");
    EXPECT_NE(Channel(1), nullptr);
    StoreEditorRx(state, 2, "436");
    StoreEditorRx(state, 1, "");
    EXPECT_EQ(Channel(1), nullptr);
}

TEST_F(ChannelEditorStoresTest, ATransmitTextThatIsNoNumberIsNotStored) {
    StoreEditorRx(state, 1, "435");
    views.Changed.clear();
    EXPECT_FALSE(StoreEditorTx(state, 1, "."));
    EXPECT_THAT(views.Changed, IsEmpty());
    EXPECT_TRUE(StoreEditorTx(state, 1, "440"));
    EXPECT_EQ(FrequencyTextsOf(state, *Channel(1)).Tx, "440.00000");

    state.Habit.ShowTxAsShift = true;
    EXPECT_EQ(FrequencyTextsOf(state, *Channel(1)).Tx, "+5.00000");
    EXPECT_TRUE(StoreEditorTx(state, 1, "-5"));
    EXPECT_EQ(FrequencyTextsOf(state, *Channel(1)).Tx, "-5.00000");
    state.Habit.ShowTxAsShift = false;
    EXPECT_EQ(FrequencyTextsOf(state, *Channel(1)).Tx, "430.00000");
}

TEST_F(ChannelEditorStoresTest, ChoicesStoreTheirValueAndKeepTheToneRules) {
    StoreEditorRx(state, 1, "435");
    StoreEditorChoice(state, 1, kRxToneList, 12);
    EXPECT_EQ(Channel(1)->TxTone, 12);  // both tones were off: the other follows
    StoreEditorChoice(state, 1, kBusyLockList, 2);
    EXPECT_EQ(Channel(1)->BusyLock, 2);
    StoreEditorChoice(state, 1, kRxToneList, 0);
    EXPECT_EQ(Channel(1)->BusyLock, 1);  // lockout 2 lost its tone
    StoreEditorChoice(state, 1, 8, 16);
    EXPECT_EQ(Channel(1)->AutoDial1, 16);
    StoreEditorCheck(state, 1, kReverseCheck, true);
    EXPECT_EQ(Channel(1)->Reverse, 1);
    StoreEditorCheck(state, 1, kReverseCheck, false);
    EXPECT_EQ(Channel(1)->Reverse, 0);
}

TEST_F(ChannelEditorStoresTest, NothingIsStoredOnAnEmptyPositionButTheReceiveFrequency) {
    StoreEditorRx(state, 1, "435");
    StoreEditorChoice(state, 2, kBusyLockList, 1);
    StoreEditorCheck(state, 2, 0, true);
    EXPECT_FALSE(StoreEditorTx(state, 2, "x"));
    StoreEditorTx(state, 2, "440");
    EXPECT_EQ(state.Data.Channels.Count, 1);
}

}  // namespace
}  // namespace mox::test
