#include <gtest/gtest.h>

#include "codecs/Tones.h"

namespace mox {
namespace {

TEST(Tones, ListHasNoneCtcssNormalAndInvertedDcs) {
    const std::vector<std::string> list = ToneListTexts("OFF");
    ASSERT_EQ(list.size(), 283u);
    EXPECT_EQ(list[0], "OFF");
    EXPECT_EQ(list[1], "67.0");
    EXPECT_EQ(list[50], "254.1");
    EXPECT_EQ(list[51], "017N");
    EXPECT_EQ(list[166], "765N");
    EXPECT_EQ(list[167], "017I");
    EXPECT_EQ(list[282], "765I");
    EXPECT_EQ(ToneText(316, "OFF"), "OFF");
    EXPECT_EQ(ToneText(-1, "OFF"), "OFF");
}

TEST(Tones, InvertedDcsSharesTheSlotByteOfItsNormalCode) {
    using Slot = std::pair<std::uint8_t, bool>;
    EXPECT_EQ(ToneToSlot(50), Slot(50, false));
    EXPECT_EQ(ToneToSlot(51), Slot(51, false));
    EXPECT_EQ(ToneToSlot(166), Slot(166, false));
    EXPECT_EQ(ToneToSlot(167), Slot(51, true));
    EXPECT_EQ(ToneToSlot(282), Slot(166, true));
    for (int code = 0; code <= 331; ++code) {
        const auto [byte, flag] = ToneToSlot(code);
        EXPECT_EQ(SlotToTone(byte, flag), code);
    }
}

TEST(Tones, DamagedCodeBeyondTheListSurvivesAnotherPacking) {
    EXPECT_EQ(SlotToTone(200, true), 316);
    EXPECT_EQ(ToneToSlot(316), (std::pair<std::uint8_t, bool>(200, true)));
}

// A radio with a damaged slot byte is read and written back: whatever code a slot gave, it packs into
// a slot that gives the same code again, up to the highest byte with the flag.
TEST(Tones, EveryCodeASlotGivesPacksBackToTheSameCode) {
    for (int byte = 0; byte <= 255; ++byte) {
        for (const bool flag : {false, true}) {
            const int code = SlotToTone(static_cast<std::uint8_t>(byte), flag);
            const auto [packed, packedFlag] = ToneToSlot(code);
            EXPECT_EQ(SlotToTone(packed, packedFlag), code) << byte << " " << flag;
        }
    }
    EXPECT_EQ(ToneToSlot(371), (std::pair<std::uint8_t, bool>(255, true)));
}

TEST(Tones, DtmfStarAndHashAreEAndFInHexForm) {
    EXPECT_EQ(DtmfToHex("12*#"), "12EF");
    EXPECT_EQ(HexToDtmf("12EF"), "12*#");
}

TEST(Tones, HexPadPadsOrCutsToTheWidth) {
    EXPECT_EQ(HexPad(5, 2), "05");
    EXPECT_EQ(HexPad(43512500, 8), "0297F2B4");
    EXPECT_EQ(HexPad(0x1234, 2), "12");
    EXPECT_EQ(HexPad(0, 1), "0");
}

}  // namespace
}  // namespace mox
