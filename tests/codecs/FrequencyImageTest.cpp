#include <gtest/gtest.h>

#include <array>

#include "codecs/Frequency.h"

namespace mox {
namespace {

using Bytes = std::array<std::uint8_t, 4>;

Bytes Binary(std::string_view digits) {
    Bytes bytes{};
    DigitsToImage(digits, bytes.data());
    return bytes;
}

Bytes Bcd(std::string_view digits) {
    Bytes bytes{};
    BcdDigitsToImage(digits, bytes.data());
    return bytes;
}

TEST(FrequencyImage, ChannelFrequenciesAreBigEndianTensOfHertz) {
    EXPECT_EQ(Binary("43512500"), (Bytes{0x02, 0x97, 0xF2, 0xB4}));
    EXPECT_EQ(ImageToDigits(Binary("43512500").data()), "43512500");
    EXPECT_EQ(ImageToDigits(Binary("04350000").data()), "04350000");
    // Short digits go to the radio as they are displayed, so it tunes the frequency the user saw.
    EXPECT_EQ(Binary("4351"), Binary("43510000"));
    const Bytes erased{0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(Binary("FFFFFFFF"), erased);
    EXPECT_EQ(Binary("4351250A"), erased);
    EXPECT_EQ(ImageToDigits(erased.data()), "FFFFFFFF");
    EXPECT_EQ(ImageToDigits(Bytes{0x05, 0xF5, 0xE1, 0x00}.data()), "FFFFFFFF");  // 100000000
}

TEST(FrequencyImage, TestFrequenciesAreBcdPaddedOnTheRight) {
    EXPECT_EQ(Bcd("4351"), (Bytes{0x43, 0x51, 0x00, 0x00}));
    EXPECT_EQ(Bcd(""), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bcd("43.51250"), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(ImageToBcdDigits(Bytes{0x43, 0x51, 0x25, 0x00}.data()), "43512500");
    EXPECT_EQ(ImageToBcdDigits(Bytes{0x00, 0x00, 0x00, 0x00}.data()), "FFFFFFFF");
}

}  // namespace
}  // namespace mox
