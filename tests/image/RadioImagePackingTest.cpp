#include <gmock/gmock.h>

#include "image/FeatureByte.h"
#include "image/ImageFixture.h"
#include "image/RadioImagePacking.h"

namespace mox::test {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

class RadioImagePacking : public ImageFixture {};

TEST_F(RadioImagePacking, OnlyPresentSlotsBecomeChannels) {
    Add(1, "435");
    UnpackRadioImage(state, state);
    EXPECT_EQ(state.Data.Channels.Count, 0);

    Add(5, "435.125");
    PackRadioImage(state, state);
    Add(9, "435");
    UnpackRadioImage(state, state);
    ASSERT_EQ(state.Data.Channels.Count, 1);
    EXPECT_EQ(state.Data.Channels.Records[0].Number, 5);
}

TEST_F(RadioImagePacking, TestFrequencyPairsArePaddedSwappedAndKeepNoneAsFF) {
    SetFixedText(state.Data.TestFrequencies[0].First, "4351");
    SetFixedText(state.Data.TestFrequencies[0].Second, "43512500");
    SetFixedText(state.FivePoints[4].First, "48000000");
    PackRadioImage(state, state);
    EXPECT_THAT(Bytes(2560, 8), ElementsAre(0x43, 0x51, 0x25, 0x00, 0x43, 0x51, 0x00, 0x00));
    EXPECT_THAT(Bytes(2568, 8), Each(0xFF));
    EXPECT_THAT(Bytes(2680, 8), ElementsAre(0xFF, 0xFF, 0xFF, 0xFF, 0x48, 0x00, 0x00, 0x00));

    std::fill_n(&state.Image[2568], 4, 0x00);
    UnpackRadioImage(state, state);
    EXPECT_EQ(CutFixedText(state.Data.TestFrequencies[0].First), "43510000");
    EXPECT_EQ(CutFixedText(state.Data.TestFrequencies[1].Second), "FFFFFFFF");
    EXPECT_EQ(CutFixedText(state.FivePoints[4].First), "48000000");
}

TEST_F(RadioImagePacking, ModelBlockAndUnusedRanges) {
    state.Image.fill(0x00);
    PackRadioImage(state, state);
    EXPECT_THAT(Bytes(2816, 12), ElementsAre('R', 'B', '5', '1', '6', 0, 0, 0, 'V', '2', '0', '0'));
    for (auto [from, to] : {std::pair{2080, 2095}, {2105, 2105}, {2137, 2143}, {2149, 2151}, {2153, 2239}})
        EXPECT_THAT(Bytes(from, to - from + 1), Each(0xFF)) << from;

    std::copy_n("RB516G", 6, &state.Image[2816]);
    state.Image[2823] = 8;
    UnpackRadioImage(state, state);
    EXPECT_EQ(CutFixedText(state.Data.Model.ModelCode), "RB516G");
    EXPECT_EQ(state.Model.ModelCode, "RB516G");
    EXPECT_EQ(state.Model.UpperLimit, 174);

    // An erased byte ends the model code as a NUL does.
    std::copy_n("RB516\xFF\xFF", 7, &state.Image[2816]);
    UnpackRadioImage(state, state);
    EXPECT_EQ(CutFixedText(state.Data.Model.ModelCode), "RB516");
    EXPECT_EQ(state.Model.ModelCode, "RB516");
}

// A damaged data file must never reach the radio: the write is refused before anything is packed.
TEST_F(RadioImagePacking, RefusesAChannelThatCannotBeWritten) {
    Add(1, "435");
    ChannelRecord& bad = Add(7, "435");
    for (const char* rx : {"", "43X12500", "FFFFFFFF"}) {
        SetFixedText(bad.RxDigits, rx);
        const PackResult result = PackRadioImage(state, state);
        EXPECT_FALSE(result.Ok) << rx;
        EXPECT_EQ(result.BadChannel, 7);
    }
    EXPECT_THAT(Bytes(0, 2832), Each(0xFF));

    SetFixedText(bad.RxDigits, "43500000");
    bad.Number = 1;
    EXPECT_EQ(PackRadioImage(state, state).BadChannel, 1);
    bad.Number = 129;
    EXPECT_EQ(PackRadioImage(state, state).BadChannel, 129);
    state.Data.Channels.Count = 300;
    EXPECT_FALSE(PackRadioImage(state, state).Ok);
}

TEST_F(RadioImagePacking, EraseLeavesTheImageDuringTheRadioInformationRead) {
    state.Image.fill(0x12);
    EraseRadioImage(state.Image, true);
    EXPECT_EQ(state.Image[100], 0x12);
    EraseRadioImage(state.Image, false);
    EXPECT_EQ(state.Image[100], 0xFF);
}

TEST_F(RadioImagePacking, FeatureByteSetsCurrentFlagsAndOnlyRaisesRememberedOnes) {
    state.Features.Remembered = {1, 0, 0, 0};
    state.Image[2828] = 0x05;
    UnpackRadioImage(state, state);
    EXPECT_THAT(state.Features.Current, ElementsAre(0, 1, 0, 1));
    EXPECT_THAT(state.Features.Remembered, ElementsAre(1, 1, 0, 1));
    TakeFeatureByte(0x00, state.Image, state.Features);
    EXPECT_THAT(state.Features.Current, ElementsAre(0, 0, 0, 0));
    EXPECT_THAT(state.Features.Remembered, ElementsAre(1, 1, 0, 1));
}

}  // namespace
}  // namespace mox::test
