#include <gmock/gmock.h>

#include "image/ImageFixture.h"
#include "image/RadioImagePacking.h"

namespace mox::test {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

class ChannelPacking : public ImageFixture {};

TEST_F(ChannelPacking, MapsAndSlotsOfTheFirstAndLastChannel) {
    Add(1, "435.125");
    Add(128, "400");
    ASSERT_TRUE(PackRadioImage(state, state).Ok);
    EXPECT_THAT(Bytes(2048, 16), ElementsAre(0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                             0xFF, 0xFF, 0xFF, 0xFF, 0x7F));
    EXPECT_EQ(state.Image[2064], 0xFE);
    EXPECT_THAT(Bytes(0, 8), ElementsAre(0x02, 0x97, 0xF2, 0xB4, 0x02, 0x97, 0xF2, 0xB4));
    EXPECT_THAT(Bytes(2032, 4), ElementsAre(0x02, 0x62, 0x5A, 0x00));
    EXPECT_THAT(Bytes(16, 2016), Each(0xFF));

    state.Data.Channels.Records[0].ScanSkip = 1;
    PackRadioImage(state, state);
    EXPECT_EQ(state.Image[2048], 0xFE);
    EXPECT_EQ(state.Image[2064], 0xFF);
}

TEST_F(ChannelPacking, TxIsRxPlusShiftAndTonesSplitIntoByteAndFlag) {
    ChannelRecord& r = Add(1, "480");
    r.ShiftDirection = 1;
    SetFixedText(r.ShiftDigits, "0500000");
    r.RxTone = 166;
    r.TxTone = 167;
    Add(2, "435").RxTone = 282;
    PackRadioImage(state, state);
    EXPECT_THAT(Bytes(0, 16), ElementsAre(0x02, 0xDC, 0x6C, 0x00, 0x02, 0xD4, 0xCA, 0xE0, 166, 51, 0x00, 0x80,
                                          0x02, 0x00, 0x00, 0x10));
    EXPECT_THAT(Bytes(24, 4), ElementsAre(166, 0, 0x80, 0x00));

    UnpackRadioImage(state, state);
    EXPECT_EQ(state.Data.Channels.Records[0].TxTone, 167);
    EXPECT_EQ(state.Data.Channels.Records[1].RxTone, 282);
}

TEST_F(ChannelPacking, FlagsShareTheirBytesAsLaidOut) {
    ChannelRecord& r = Add(1, "435");
    r.RxTone = 200;
    r.TxInhibit = r.VoiceScramble = r.RxStepClass = r.Talkaround = r.Whisper = r.Compander = 1;
    r.BusyLock = r.TxStepClass = r.Spacing = 2;
    r.PttId = 3;
    r.OptionalSignalling = 1;
    r.AutoDial1 = 16;
    r.AutoDial2 = 3;
    PackRadioImage(state, state);
    EXPECT_THAT(Bytes(8, 7), ElementsAre(84, 0, 0xD9, 0x5E, 0x9A, 16, 3));
}

// A damaged data file may hold values wider than their bits; they must not spill into a neighbour.
TEST_F(ChannelPacking, OutOfRangeValuesAreMaskedToTheirBits) {
    ChannelRecord& r = Add(1, "435");
    r.TxPower = 5;
    r.BusyLock = 7;
    r.TxInhibit = -1;
    PackRadioImage(state, state);
    EXPECT_EQ(state.Image[12], 0x01);
    EXPECT_EQ(state.Image[10], 0x4C);
}

// Damaged radio memory: a present slot without eight RX digits holds no channel; TX bytes that
// cannot belong to the RX make the channel simplex.
TEST_F(ChannelPacking, DamagedSlotsAreSkippedOrMadeSimplex) {
    state.Image[2048] = 0xF8;
    const std::uint8_t rx[4] = {0x02, 0x97, 0xF2, 0xB4};
    std::copy(rx, rx + 4, &state.Image[16]);  // channel 2: TX bytes erased
    std::copy(rx, rx + 4, &state.Image[32]);
    std::fill_n(&state.Image[36], 4, 0x00);  // channel 3: TX 0 Hz
    const std::uint8_t low[4] = {0x00, 0x42, 0x64, 0x18};
    std::copy(low, low + 4, &state.Image[0]);  // channel 1: RX 43.51 MHz

    UnpackRadioImage(state, state);
    ASSERT_EQ(state.Data.Channels.Count, 2);
    for (int i = 0; i < 2; ++i) {
        const ChannelRecord& r = state.Data.Channels.Records[i];
        EXPECT_EQ(r.Number, i + 2);
        EXPECT_EQ(CutFixedText(r.RxDigits), "43512500");
        EXPECT_EQ(r.ShiftDirection, 0);
    }
}

}  // namespace
}  // namespace mox::test
