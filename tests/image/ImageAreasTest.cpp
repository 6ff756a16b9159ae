#include <gtest/gtest.h>

#include "image/ImageAreas.h"

namespace mox::test {
namespace {

TEST(ImageAreasTest, EveryAddressIsNamedByItsAreaSlotAndChannelField) {
    struct Case {
        int Address;
        int Text;
        int Index;
        int Field;
    };
    const Case cases[] = {
        {0, 31740, 1, 31760},                // channel 1, RX frequency
        {7, 31740, 1, 31761},                // TX frequency
        {16 * 127 + 15, 31740, 128, 31768},  // last channel, shift direction
        {16 + 12, 31740, 2, 31766},
        {2048, 31742, 0, 0},
        {2095, 31741, 0, 0},  // unused after the maps
        {2104, 31744, 0, 0},
        {2105, 31741, 0, 0},
        {2152, 31750, 0, 0},
        {2240 + 3 * 16, 31751, 4, 0},  // kill code
        {2559, 31752, 16, 0},
        {2560 + 8, 31753, 2, 0},
        {2751, 31754, 4, 0},
        {2752, 31741, 0, 0},
        {2816, 31755, 0, 0},
        {2828, 31758, 0, 0},
        {2831, 31741, 0, 0},
        {2832, 0, 0, 0},  // the radio information block is not part of the image
        {-1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Address);
        const ImageArea area = ImageAreaOf(c.Address);
        EXPECT_EQ(area.Text, c.Text);
        EXPECT_EQ(area.Index, c.Index);
        EXPECT_EQ(area.FieldText, c.Field);
    }
}

TEST(ImageAreasTest, TheAreasCoverTheWholeImageWithoutGaps) {
    for (int address = 0; address < 2832; ++address)
        EXPECT_NE(ImageAreaOf(address).Text, 0) << address;
}

}  // namespace
}  // namespace mox::test
