#include <gtest/gtest.h>

#include "link/Packets.h"

namespace mox {
namespace {

Bytes DataReplyOf(int address, std::uint8_t fill) {
    std::uint8_t data[16];
    std::fill(std::begin(data), std::end(data), fill);
    return WriteBlock(address, data);
}

TEST(PacketsTest, WriteBlockChecksumIsTheLowByteOfAddressLengthAndData) {
    Bytes expected{0x57, 0x00, 0x10, 0x10};
    expected.insert(expected.end(), 16, 0xFF);
    expected.push_back(0x10);
    expected.push_back(0x06);
    EXPECT_EQ(DataReplyOf(0x0010, 0xFF), expected);
    EXPECT_EQ(ReadRequest(2864), (Bytes{0x52, 0x0B, 0x30, 0x10}));
    EXPECT_EQ(ReadRequest(8176), (Bytes{0x52, 0x1F, 0xF0, 0x10}));
}

TEST(PacketsTest, DataReplyMustBeWholeAndAddUp) {
    const Bytes good = DataReplyOf(0x0B00, 0x41);
    const auto parsed = ParseDataReply(good);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->Address, 0x0B00);
    EXPECT_EQ(parsed->Data, Bytes(16, 0x41));

    Bytes badChecksum = good;
    badChecksum[20] ^= 1;
    EXPECT_FALSE(ParseDataReply(badChecksum));
    Bytes wrongLength = good;
    wrongLength[3] = 0x0F;
    EXPECT_FALSE(ParseDataReply(wrongLength));
    Bytes noEnd = good;
    noEnd.back() = 0x00;
    EXPECT_FALSE(ParseDataReply(noEnd));
    EXPECT_FALSE(ParseDataReply(Bytes{0x57, 0x00}));
    // A length byte that promises more than arrived is not read past the reply.
    Bytes longer = good;
    longer[3] = 0xFF;
    EXPECT_FALSE(ParseDataReply(longer));
}

}  // namespace
}  // namespace mox
