#include <gtest/gtest.h>

#include "app/AppState.h"
#include "codecs/Frequency.h"
#include "image/Models.h"

namespace mox {
namespace {

struct Settling {
    const char* Rx;
    const char* SettledRx;
    int StepClass;
};

void PrintTo(const Settling& settling, std::ostream* out) {
    *out << settling.Rx;
}

ChannelRecord Channel(std::string_view rx, int direction = 0, std::string_view shift = "0000000") {
    ChannelRecord channel;
    SetFixedText(channel.RxDigits, rx);
    channel.ShiftDirection = static_cast<std::uint8_t>(direction);
    SetFixedText(channel.ShiftDigits, shift);
    channel.TxStepClass = 9;
    return channel;
}

class StepClasses : public ::testing::TestWithParam<Settling> {};

TEST_P(StepClasses, ReceiveSettlesOnTheFirstRasterThatFits) {
    AppState state;
    ChannelRecord channel = Channel(GetParam().Rx);
    SettleStepClasses(state.Model, state, channel);
    EXPECT_EQ(CutFixedText(channel.RxDigits), GetParam().SettledRx);
    EXPECT_EQ(channel.RxStepClass, GetParam().StepClass);
    EXPECT_EQ(channel.TxStepClass, GetParam().StepClass);
}

INSTANTIATE_TEST_SUITE_P(
    Rasters, StepClasses,
    ::testing::Values(Settling{"43512500", "43512500", 0}, Settling{"43500625", "43500625", 1},
                      Settling{"43500833", "43500833", 2}, Settling{"43501666", "43501666", 2},
                      Settling{"43502499", "43502500", 2}, Settling{"43500400", "43500000", 0},
                      Settling{"4350001", "43500000", 0}));

// Below the lower limit the remainders are negative, so an off-raster frequency moves up, not down.
TEST(StepClassesOfBand, RastersCountFromTheLowerLimit) {
    AppState state;
    SetBandLimits(state.Model, "136 - 174 MHz");
    ChannelRecord channel = Channel("13600400");
    SettleStepClasses(state.Model, state, channel);
    EXPECT_EQ(CutFixedText(channel.RxDigits), "13600000");
    SetBandLimits(state.Model, "145 - 174 MHz");
    channel = Channel("13600400");
    SettleStepClasses(state.Model, state, channel);
    EXPECT_EQ(CutFixedText(channel.RxDigits), "13600500");
    EXPECT_EQ(channel.RxStepClass, 0);
}

// A duplex channel: the transmit frequency is the settled receive frequency plus the shift, settled on
// its own raster, and the shift is then taken again from the two settled frequencies.
struct DuplexSettling {
    const char* Rx;
    int Direction;
    const char* Shift;
    const char* SettledRx;
    int SettledDirection;
    const char* SettledShift;
    int RxClass;
    int TxClass;
};

void PrintTo(const DuplexSettling& settling, std::ostream* out) {
    *out << settling.Rx << " " << settling.Direction << ":" << settling.Shift;
}

class DuplexStepClasses : public ::testing::TestWithParam<DuplexSettling> {};

TEST_P(DuplexStepClasses, TransmitSettlesFromTheSettledReceiveAndTheShiftFollows) {
    AppState state;
    const DuplexSettling& expected = GetParam();
    ChannelRecord channel = Channel(expected.Rx, expected.Direction, expected.Shift);
    SettleStepClasses(state.Model, state, channel);
    EXPECT_EQ(CutFixedText(channel.RxDigits), expected.SettledRx);
    EXPECT_EQ(channel.ShiftDirection, expected.SettledDirection);
    EXPECT_EQ(CutFixedText(channel.ShiftDigits), expected.SettledShift);
    EXPECT_EQ(channel.RxStepClass, expected.RxClass);
    EXPECT_EQ(channel.TxStepClass, expected.TxClass);
}

INSTANTIATE_TEST_SUITE_P(
    Rasters, DuplexStepClasses,
    ::testing::Values(DuplexSettling{"43500000", 2, "0500833", "43500000", 2, "0500833", 0, 2},
                      // 435.00225 moves down to 435.00000
                      DuplexSettling{"43500625", 1, "0000400", "43500625", 1, "0000625", 1, 0},
                      // Off-raster receive: both ends settle and the shift is whole again.
                      DuplexSettling{"43500400", 2, "0500000", "43500000", 2, "0500000", 0, 0},
                      // The shift is added to the settled receive, not to the typed one.
                      DuplexSettling{"43500400", 2, "0000625", "43500000", 2, "0000625", 0, 1}));

TEST(StepClassesOfBand, ChannelWithoutReceiveFrequencyIsLeftAlone) {
    AppState state;
    for (std::string_view rx : {"", "FFFFFFFF", "43A00000"}) {
        ChannelRecord channel = Channel(rx);
        const ChannelRecord before = channel;
        SettleStepClasses(state.Model, state, channel);
        EXPECT_EQ(channel, before) << rx;
    }
}

}  // namespace
}  // namespace mox
