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
    SettleStepClasses(state, channel);
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
    SettleStepClasses(state, channel);
    EXPECT_EQ(CutFixedText(channel.RxDigits), "13600000");
    SetBandLimits(state.Model, "145 - 174 MHz");
    channel = Channel("13600400");
    SettleStepClasses(state, channel);
    EXPECT_EQ(CutFixedText(channel.RxDigits), "13600500");
    EXPECT_EQ(channel.RxStepClass, 0);
}

TEST(StepClassesOfBand, TransmitSettlesSeparatelyAndTheShiftFollows) {
    AppState state;
    ChannelRecord channel = Channel("43500000", 2, "0500833");
    SettleStepClasses(state, channel);
    EXPECT_EQ(channel.RxStepClass, 0);
    EXPECT_EQ(channel.TxStepClass, 2);
    EXPECT_EQ(CutFixedText(channel.ShiftDigits), "0500833");

    channel = Channel("43500625", 1, "0000400");
    SettleStepClasses(state, channel);
    EXPECT_EQ(channel.RxStepClass, 1);
    EXPECT_EQ(channel.TxStepClass, 0);  // 435.00225 moves down to 435.00000
    EXPECT_EQ(CutFixedText(channel.ShiftDigits), "0000625");
    EXPECT_EQ(channel.ShiftDirection, 1);
}

TEST(StepClassesOfBand, ChannelWithoutReceiveFrequencyIsLeftAlone) {
    AppState state;
    for (std::string_view rx : {"", "FFFFFFFF", "43A00000"}) {
        ChannelRecord channel = Channel(rx);
        const ChannelRecord before = channel;
        SettleStepClasses(state, channel);
        EXPECT_EQ(channel, before) << rx;
    }
}

}  // namespace
}  // namespace mox
