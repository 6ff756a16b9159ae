#include <gmock/gmock.h>

#include <set>

#include "channels/BatchFieldChecks.h"
#include "channels/BatchSetup.h"
#include "codecs/Frequency.h"
#include "image/ImageFixture.h"

namespace mox::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class BatchSetupTest : public ImageFixture {
protected:
    BatchSetupTest() { fields = InitialBatchFields(state.Model); }

    // Only these items are applied.
    void Select(std::initializer_list<int> chosen) {
        items.fill(0);
        for (const int item : chosen)
            SelectBatchItem(items, item, true);
    }
    void Range(const std::string& from, const std::string& to) {
        fields.AllChannels = false;
        fields.FromText = from;
        fields.ToText = to;
    }
    void Apply() { ApplyBatch(fields, items, {state.Data.Channels, state.Model, state, draw}); }

    const ChannelRecord* Channel(int number) const { return FindChannel(state.Data.Channels, number); }
    std::string Rx(int number) const {
        return DigitsToDisplay(state.Model, state, CutFixedText(Channel(number)->RxDigits));
    }
    std::string Tx(int number) const {
        const ChannelRecord& c = *Channel(number);
        return TxDisplay(state.Model, state, CutFixedText(c.RxDigits), CutFixedText(c.ShiftDigits),
                         c.ShiftDirection, false);
    }
    std::vector<int> Numbers() const {
        std::set<int> numbers;
        for (int i = 0; i < state.Data.Channels.Count; ++i)
            numbers.insert(state.Data.Channels.Records[static_cast<std::size_t>(i)].Number);
        return {numbers.begin(), numbers.end()};
    }
    std::vector<int> Tones(int first, int last, std::int16_t ChannelRecord::*tone) const {
        std::vector<int> tones;
        for (int number = first; number <= last; ++number)
            tones.push_back(Channel(number)->*tone);
        return tones;
    }

    BatchFields fields;
    BatchItemSelection items{};
    std::vector<int> drawn;
    ToneDraw draw = [this] {
        drawn.push_back(static_cast<int>(drawn.size()));
        return 100 + drawn.back();
    };
};

TEST_F(BatchSetupTest, ReceiveFrequenciesStepOverTheRangeAndCreateTheMissingChannels) {
    ChannelRecord& third = Add(3, "450");
    SetFixedText(third.ShiftDigits, "0500000");
    third.ShiftDirection = 2;
    third.TxPower = 0;
    Add(9, "470");
    Select({kBatchRxFrequency});
    Range("1", "8");
    fields.RxStart = "435";
    fields.RxStep = "12.5";
    Apply();

    EXPECT_THAT(Numbers(), ElementsAre(1, 2, 3, 4, 5, 6, 7, 8, 9));
    const char* const expected[] = {"435.00000", "435.01250", "435.02500", "435.03750",
                                    "435.05000", "435.06250", "435.07500", "435.08750"};
    for (int number = 1; number <= 8; ++number)
        EXPECT_EQ(Rx(number), expected[number - 1]) << number;
    EXPECT_EQ(Channel(2)->RxStepClass, 1);  // 12.5 kHz from 435 lies on the 6.25 kHz raster
    EXPECT_EQ(Channel(2)->TxPower, 2);      // a new channel
    EXPECT_EQ(Tx(3), "440.02500");          // the shift moves along with the receive frequency
    EXPECT_EQ(Channel(3)->TxPower, 0);
    EXPECT_EQ(Rx(9), "470.00000");
}

TEST_F(BatchSetupTest, DecreasingFrequenciesStopAtTheBandLimitWithoutAWarning) {
    Select({kBatchRxFrequency});
    Range("1", "3");
    fields.RxStart = "400.01";
    fields.RxStep = "10";
    fields.RxDecrease = true;
    Apply();
    EXPECT_EQ(Rx(1), "400.01000");
    EXPECT_EQ(Rx(2), "400.00000");
    EXPECT_EQ(Rx(3), "400.00000");
    EXPECT_TRUE(prompter.Prompts.empty());
}

TEST_F(BatchSetupTest, FieldChecksPutNumbersOnTheRadiosRasters) {
    const std::pair<const char*, const char*> steps[] = {
        {"7", "5"},   {"6.25", "6.25"}, {"12.5", "12.5"}, {"2.5", "0"},     {"8.33", "5"},
        {"abc", "0"}, {"", "0"},        {"25", "25"},     {"1000", "1000"}, {"18.75", "18.75"}};
    for (const auto& [typed, shown] : steps)
        EXPECT_EQ(StepData(typed), shown) << typed;
    EXPECT_EQ(StepLimitText("2000"), "1000");
    EXPECT_EQ(StepLimitText("1000.5"), "1000");
    EXPECT_EQ(StepLimitText("999.9"), "999.9");
    EXPECT_EQ(StepLimitText("12."), "12.");

    EXPECT_EQ(StepDataFree("5"), "5.00000");
    EXPECT_EQ(StepDataFree("0.6"), "0.60000");
    EXPECT_EQ(StepDataFree("0.0123"), "0.01000");
    EXPECT_EQ(StepDataFree("x"), "0.00000");

    EXPECT_EQ(StepDataFre(state.Model, state, "435.0033"), "435.00000");
    EXPECT_EQ(StepDataFre(state.Model, state, "435.00625"), "435.00625");
    EXPECT_EQ(StepDataFre(state.Model, state, "500"), "480.00000");
    EXPECT_EQ(StepDataFre(state.Model, state, "abc"), "400.00000");
    EXPECT_TRUE(prompter.Prompts.empty());

    const std::pair<const char*, const char*> range[] = {
        {"abc", "1"}, {"", "1"}, {"0", "1"}, {"129", "128"}, {"128", "128"}, {"5", "5"}, {"5.9", "5"}};
    for (const auto& [typed, shown] : range)
        EXPECT_EQ(RangeFieldText(typed), shown) << typed;
    EXPECT_EQ(DefaultData("3", "0"), "3");
    EXPECT_EQ(DefaultData("x", "0"), "0");
}

TEST_F(BatchSetupTest, ApplyChecksTheFieldsItUsesAndShowsThemChecked) {
    Select({kBatchRxFrequency});
    Range("1", "2");
    fields.RxStart = "435.0033";
    fields.RxStep = "7";
    fields.TxStep = "7";  // the transmit item is not applied: its fields stay as typed
    Apply();
    EXPECT_EQ(fields.RxStart, "435.00000");
    EXPECT_EQ(fields.RxStep, "5");
    EXPECT_EQ(fields.TxStep, "7");
    EXPECT_EQ(Rx(2), "435.00500");
}

TEST_F(BatchSetupTest, AnOffsetSetsTheDirectionAndIsClampedIntoTheBand) {
    Add(1, "435");
    Add(2, "402");
    Add(3, "478");
    Select({kBatchTxFrequency});
    fields.TxMode = BatchTxMode::Offset;
    fields.TxOffset = "5";
    fields.OffsetMinus = true;
    Range("1", "2");
    Apply();
    EXPECT_EQ(Channel(1)->ShiftDirection, 1);
    EXPECT_EQ(CutFixedText(Channel(1)->ShiftDigits), "0500000");
    EXPECT_EQ(Tx(1), "430.00000");
    EXPECT_EQ(CutFixedText(Channel(2)->ShiftDigits), "0200000");  // 397 MHz is below the band
    EXPECT_EQ(Tx(2), "400.00000");

    fields.OffsetMinus = false;
    Range("3", "3");
    Apply();
    EXPECT_EQ(Channel(3)->ShiftDirection, 2);
    EXPECT_EQ(Tx(3), "480.00000");
    EXPECT_TRUE(prompter.Prompts.empty());
}

TEST_F(BatchSetupTest, TransmitStartFrequenciesStepAndTheDefaultModeMakesChannelsSimplex) {
    for (int number = 1; number <= 3; ++number)
        Add(number, "440");
    Select({kBatchTxFrequency});
    fields.TxMode = BatchTxMode::StartFrequency;
    fields.TxStart = "440.025";
    fields.TxStep = "25";
    fields.TxDecrease = true;
    Range("1", "3");
    Apply();
    EXPECT_EQ(Tx(1), "440.02500");
    EXPECT_EQ(Channel(1)->ShiftDirection, 2);
    EXPECT_EQ(Tx(2), "440.00000");
    EXPECT_EQ(Channel(2)->ShiftDirection, 0);
    EXPECT_EQ(Tx(3), "439.97500");
    EXPECT_EQ(Channel(3)->ShiftDirection, 1);

    fields.TxMode = BatchTxMode::Default;
    Apply();
    for (int number = 1; number <= 3; ++number) {
        EXPECT_EQ(Channel(number)->ShiftDirection, 0);
        EXPECT_EQ(CutFixedText(Channel(number)->ShiftDigits), "0000000");
    }
}

TEST_F(BatchSetupTest, TonesStepThroughTheListAndWrapAroundBothWays) {
    Select({kBatchRxFrequency, kBatchRxTone, kBatchTxTone});
    Range("1", "4");
    fields.RxTone = {280, "2", false, false};
    fields.TxToneSameAsRx = false;
    fields.TxTone = {1, "2", true, false};
    Apply();
    EXPECT_THAT(Tones(1, 4, &ChannelRecord::RxTone), ElementsAre(280, 282, 1, 3));
    EXPECT_THAT(Tones(1, 4, &ChannelRecord::TxTone), ElementsAre(1, 282, 280, 278));

    // An interval far beyond any integer type steps as its remainder: 283 * 10^29 + 1 steps by one.
    fields.RxTone = {7, "283" + std::string(28, '0') + "1", false, false};
    fields.TxTone.Interval = "x";  // no number: no step
    Apply();
    EXPECT_THAT(Tones(1, 4, &ChannelRecord::RxTone), ElementsAre(7, 8, 9, 10));
    EXPECT_THAT(Tones(1, 4, &ChannelRecord::TxTone), ElementsAre(1, 1, 1, 1));
    EXPECT_EQ(fields.TxTone.Interval, "0");
    EXPECT_TRUE(drawn.empty());
}

TEST_F(BatchSetupTest, SameAsReceiveCopiesTheReceiveToneJustSet) {
    for (int number = 1; number <= 3; ++number) {
        ChannelRecord& c = Add(number, "435");
        c.RxTone = 50;
        c.TxTone = 60;
    }
    Select({kBatchRxTone, kBatchTxTone});
    Range("1", "2");
    fields.RxTone = {10, "1", false, false};
    fields.TxTone = {200, "5", false, false};  // not used while same-as-receive is ticked
    Apply();
    EXPECT_THAT(Tones(1, 3, &ChannelRecord::TxTone), ElementsAre(10, 11, 60));

    Select({kBatchTxTone});
    Range("3", "3");
    Apply();
    EXPECT_EQ(Channel(3)->TxTone, 50);
}

TEST_F(BatchSetupTest, RandomTonesAreDrawnForEachChannelInTurn) {
    Select({kBatchRxFrequency, kBatchRxTone, kBatchTxTone});
    Range("1", "2");
    fields.RxTone.Random = true;
    fields.TxToneSameAsRx = false;
    fields.TxTone.Random = true;
    Apply();
    EXPECT_THAT(Tones(1, 2, &ChannelRecord::RxTone), ElementsAre(100, 102));
    EXPECT_THAT(Tones(1, 2, &ChannelRecord::TxTone), ElementsAre(101, 103));

    const ToneDraw first = UniformToneDraw(42);
    const ToneDraw second = UniformToneDraw(42);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int tone = first();
        ASSERT_EQ(tone, second());
        ASSERT_GE(tone, 0);
        ASSERT_LE(tone, 282);
        seen.insert(tone);
    }
    EXPECT_GT(seen.size(), 270u);  // the whole list, ends included, not a part of it
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 282);
}

TEST_F(BatchSetupTest, WithoutTheReceiveFrequencyMissingChannelsStayEmpty) {
    Add(2, "435");
    Select({kBatchTxPower});
    fields.Values[kBatchTxPower] = 0;
    Range("1", "8");
    Apply();
    EXPECT_THAT(Numbers(), ElementsAre(2));
    EXPECT_EQ(Channel(2)->TxPower, 0);
}

TEST_F(BatchSetupTest, ClearOutsideRemovesTheOtherChannelsFirstAndOnlyWithARange) {
    for (int number : {1, 5, 9, 20, 128})
        Add(number, "435");
    fields.ClearOutside = true;
    Select({});
    Apply();  // all channels: nothing lies outside
    EXPECT_THAT(Numbers(), ElementsAre(1, 5, 9, 20, 128));

    Select({kBatchRxFrequency});
    Range("9", "5");  // swapped into 5 to 9
    Apply();
    EXPECT_THAT(Numbers(), ElementsAre(5, 6, 7, 8, 9));
}

TEST_F(BatchSetupTest, FixedValuesAreSetAndTheBusyLockLastFollowsTheToneItNeeds) {
    ChannelRecord& one = Add(1, "435");
    one.RxTone = 5;
    ChannelRecord& two = Add(2, "435");
    two.TxTone = 5;
    Select({kBatchBusyLock, kBatchReverse, kBatchPttId, kBatchAutoDial1, kBatchAutoDial2, kBatchScanSkip});
    fields.Values[kBatchBusyLock] = 2;
    fields.Values[kBatchReverse] = 1;  // the lockout then needs the transmit tone
    fields.Values[kBatchPttId] = 3;
    fields.Values[kBatchAutoDial1] = 7;
    fields.Values[kBatchAutoDial2] = 16;
    fields.Values[kBatchScanSkip] = 1;
    Range("1", "2");
    Apply();
    EXPECT_EQ(Channel(1)->BusyLock, 1);
    EXPECT_EQ(Channel(2)->BusyLock, 2);
    for (int number : {1, 2}) {
        EXPECT_EQ(Channel(number)->Reverse, 1);
        EXPECT_EQ(Channel(number)->PttId, 3);
        EXPECT_EQ(Channel(number)->AutoDial1, 7);
        EXPECT_EQ(Channel(number)->AutoDial2, 16);
        EXPECT_EQ(Channel(number)->ScanSkip, 1);
        EXPECT_EQ(Channel(number)->TxPower, 2);
    }
    fields.Values[kBatchBusyLock] = 3;  // the batch set-up offers all four lockouts
    Apply();
    EXPECT_EQ(Channel(1)->BusyLock, 3);
}

TEST_F(BatchSetupTest, EachItemHasItsByteInTheSelectionFile) {
    const int bytes[kBatchItemCount] = {0, 1,  2,  3,  -1, -1, 4,  5,  6,  7,  8,
                                        9, 11, 10, 13, 14, 15, 16, 17, 18, 19, 12};
    for (int item = 0; item < kBatchItemCount; ++item) {
        BatchItemSelection selection{};
        SelectBatchItem(selection, item, true);
        BatchItemSelection expected{};
        if (bytes[item] >= 0)
            expected[static_cast<std::size_t>(bytes[item])] = 1;
        EXPECT_EQ(selection, expected) << item;
        EXPECT_EQ(IsBatchItemSelected(expected, item), bytes[item] >= 0) << item;
    }
    EXPECT_EQ(BatchItemCaptionText(kBatchAutoDial2), 29022);
    EXPECT_STREQ(BatchItemCaptionTail(kBatchAutoDial2), " 2");
    EXPECT_EQ(BatchItemCaptionText(kBatchCompander), 29030);
    EXPECT_EQ(BatchItemOfField("busylock"), kBatchBusyLock);
    EXPECT_EQ(BatchItemOfField("RxTone"), -1);  // a tone has its own controls

    state.Data.Functions.Dtmf.AutoDial[2].Count = 3;
    state.Data.Functions.Dtmf.AutoDial[15].Count = 1;
    EXPECT_THAT(BatchItemValues(kBatchAutoDial1, state.Data.Functions.Dtmf), ElementsAre(0, 3, 16));
    EXPECT_THAT(BatchItemValues(kBatchBusyLock, state.Data.Functions.Dtmf), ElementsAre(0, 1, 2, 3));
}

TEST_F(BatchSetupTest, ControlsAreEnabledByTheModeAndTheBoxesThatGovernThem) {
    struct Case {
        BatchTxMode Mode;
        bool AllChannels, RxRandom, Same, TxRandom;
        std::array<bool, 6> Enabled;  // range, offset, tx start, rx tone steps, tx random, tx tone steps
    };
    const Case cases[] = {
        {BatchTxMode::Default, true, false, true, false, {false, false, false, true, false, false}},
        {BatchTxMode::Offset, false, true, true, false, {true, true, false, false, false, false}},
        {BatchTxMode::StartFrequency, false, false, false, false, {true, false, true, true, true, true}},
        {BatchTxMode::StartFrequency, true, false, false, true, {false, false, true, true, true, false}},
        {BatchTxMode::Default, true, false, true, true, {false, false, false, true, false, false}},
    };
    for (const Case& c : cases) {
        fields.TxMode = c.Mode;
        fields.AllChannels = c.AllChannels;
        fields.RxTone.Random = c.RxRandom;
        fields.TxToneSameAsRx = c.Same;
        fields.TxTone.Random = c.TxRandom;
        const BatchEnabling e = BatchEnablingOf(fields);
        EXPECT_THAT((std::array<bool, 6>{e.RangeFields, e.TxOffset, e.TxStart, e.RxToneSteps, e.TxToneRandom,
                                         e.TxToneSteps}),
                    ElementsAreArray(c.Enabled));
    }
}

}  // namespace
}  // namespace mox::test
