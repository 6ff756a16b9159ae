#include <gmock/gmock.h>

#include "app/ChannelFieldCommand.h"
#include "image/ImageFixture.h"

namespace mox::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SetChannelFieldTest : public ImageFixture {
protected:
    const ChannelRecord* Channel(int number) const { return FindChannel(state.Data.Channels, number); }
    std::string Rx(int number) const { return CutFixedText(Channel(number)->RxDigits); }
    std::string Shift(int number) const {
        const ChannelRecord* r = Channel(number);
        return std::to_string(r->ShiftDirection) + ":" + CutFixedText(r->ShiftDigits);
    }
};

TEST_F(SetChannelFieldTest, FirstRxFrequencyCreatesASettledChannelAndRevalidatesReferences) {
    SetChannelField(state, 20, 1, "435.00400");
    ASSERT_NE(Channel(20), nullptr);
    EXPECT_EQ(Rx(20), "43500000");
    EXPECT_EQ(Channel(20)->TxPower, 2);
    EXPECT_EQ(state.Data.Functions.Scan.Priority1Group, 2);
    EXPECT_EQ(state.Data.Functions.Scan.Priority1Channel, 4);
    EXPECT_EQ(views.ReferenceRedraws, 1);
    EXPECT_THAT(views.Changed, ElementsAre(20));
    EXPECT_THAT(prompter.Prompts, IsEmpty());
}

TEST_F(SetChannelFieldTest, OutOfBandRxIsClampedWithWarning) {
    SetChannelField(state, 1, 1, "399.99");
    EXPECT_EQ(Rx(1), "40000000");
    ASSERT_THAT(prompter.Numbers(), ElementsAre(9021));
    EXPECT_EQ(prompter.Prompts[0].Icon, MsgIcon::Warning);
}

TEST_F(SetChannelFieldTest, EmptyRxDeletesAChannelButNeverTheOnlyOne) {
    Add(1, "435");
    Add(2, "436");
    SetChannelField(state, 1, 1, "");
    EXPECT_EQ(Channel(1), nullptr);
    SetChannelField(state, 2, 1, "");
    EXPECT_NE(Channel(2), nullptr);
    EXPECT_EQ(views.ReferenceRedraws, 2);
    SetChannelField(state, 3, 6, "1");  // no channel 3: only the redraw
    EXPECT_EQ(state.Data.Channels.Count, 1);
    EXPECT_THAT(views.Changed, ElementsAre(1, 2, 3));
}

TEST_F(SetChannelFieldTest, TheTextShownNowChangesNothing) {
    ChannelRecord& r = Add(1, "435.004");  // off every raster: any settling would move it
    SetChannelField(state, 1, 1, "435.00400");
    SetChannelField(state, 1, 2, "435.00400");
    EXPECT_EQ(CutFixedText(r.RxDigits), "43500400");
    EXPECT_EQ(r.ShiftDirection, 0);
}

TEST_F(SetChannelFieldTest, NewRxKeepsTheTxFrequencyOrWithShiftShownTheShift) {
    Add(1, "435");
    SetChannelField(state, 1, 2, "440");
    EXPECT_EQ(Shift(1), "2:0500000");
    SetChannelField(state, 1, 1, "436");
    EXPECT_EQ(Shift(1), "2:0400000");

    state.Habit.ShowTxAsShift = true;
    SetChannelField(state, 1, 1, "437");
    EXPECT_EQ(Shift(1), "2:0400000");
    SetChannelField(state, 1, 2, "-0.6");
    EXPECT_EQ(Shift(1), "1:0060000");
    EXPECT_THAT(prompter.Prompts, IsEmpty());
}

TEST_F(SetChannelFieldTest, TxLeavingTheBandIsPulledBackWithWarning) {
    Add(1, "470");
    SetChannelField(state, 1, 2, "490");
    EXPECT_EQ(Shift(1), "2:1000000");
    state.Habit.ShowTxAsShift = true;
    SetChannelField(state, 1, 1, "475");  // keeps +10 MHz: 485 MHz
    EXPECT_EQ(Shift(1), "2:0500000");
    SetChannelField(state, 1, 2, "+150");
    EXPECT_EQ(Shift(1), "2:0500000");
    SetChannelField(state, 1, 2, "-90");
    EXPECT_EQ(Shift(1), "1:7500000");
    EXPECT_THAT(prompter.Numbers(), ElementsAre(9021, 9021, 9021, 9021));
}

// The tone rules, both where they act and where their condition does not hold: the tones couple only
// when both were off, and only a lockout of 2 needs the receive tone.
struct ToneRule {
    int RxTone, TxTone, BusyLock;  // before
    int Column;
    const char* Value;
    int NewRxTone, NewTxTone, NewBusyLock;
};

constexpr ToneRule kToneRules[] = {
    {0, 0, 0, 4, "9", 9, 9, 0},  // both off: the other tone follows
    {0, 0, 0, 5, "7", 7, 7, 0},
    {5, 0, 0, 4, "9", 9, 0, 0},  // only one was off: no coupling
    {0, 5, 0, 5, "9", 0, 9, 0},
    {5, 5, 0, 4, "9", 9, 5, 0},
    {5, 0, 2, 4, "0", 0, 0, 1},  // lockout 2 loses its tone
    {5, 0, 3, 4, "0", 0, 0, 3},  // lockout 3 stays
    {5, 0, 1, 4, "0", 0, 0, 1},
    {9, 0, 2, 8, "1", 9, 0, 2},  // optional signalling with a receive tone leaves the lockout
    {0, 0, 2, 8, "1", 0, 0, 1},
    {0, 0, 3, 8, "2", 0, 0, 1},
    {0, 0, 1, 8, "2", 0, 0, 1},
};

TEST_F(SetChannelFieldTest, TonesCoupleOnlyWhenBothWereOffAndOnlyLockoutTwoNeedsTheRxTone) {
    ChannelRecord& r = Add(1, "435");
    for (const ToneRule& rule : kToneRules) {
        SCOPED_TRACE(testing::Message() << "column " << rule.Column << " := " << rule.Value << " on "
                                        << rule.RxTone << "/" << rule.TxTone << " lock " << rule.BusyLock);
        r.RxTone = static_cast<std::int16_t>(rule.RxTone);
        r.TxTone = static_cast<std::int16_t>(rule.TxTone);
        SetChannelField(state, 1, 11, std::to_string(rule.BusyLock));
        SetChannelField(state, 1, rule.Column, rule.Value);
        EXPECT_EQ(r.RxTone, rule.NewRxTone);
        EXPECT_EQ(r.TxTone, rule.NewTxTone);
        EXPECT_EQ(r.BusyLock, rule.NewBusyLock);
    }
    EXPECT_EQ(r.OptionalSignalling, 2);
}

TEST_F(SetChannelFieldTest, ValuesOutsideTheFieldAndColumnsWithoutFieldChangeNothing) {
    ChannelRecord& r = Add(1, "435");
    const ChannelRecord before = r;
    for (auto [column, value] : {std::pair{6, "5"}, {7, "x"}, {4, "283"}, {3, "1"}, {20, "1"}, {13, "-1"}})
        SetChannelField(state, 1, column, value);
    EXPECT_EQ(r, before);
    EXPECT_EQ(views.Changed.size(), 6u);
    SetChannelField(state, 1, 22, "16");
    EXPECT_EQ(r.AutoDial2, 16);
}

}  // namespace
}  // namespace mox::test
