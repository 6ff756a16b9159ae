#include <gtest/gtest.h>

#include <string>

#include "SimRadio.h"

namespace mox::sim {
namespace {

mox::Bytes Text(const std::string& text) {
    return mox::Bytes(text.begin(), text.end());
}

mox::Bytes ReadRequest(int address) {
    return {0x52, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address), 0x10};
}

mox::Bytes WriteBlock(int address, std::uint8_t fill) {
    mox::Bytes block = {0x57, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
                        0x10};
    block.insert(block.end(), 16, fill);
    block.push_back(BlockChecksum(block));
    block.push_back(0x06);
    return block;
}

const mox::Bytes kAck = {0x06};
const mox::Bytes kProgramAck = {'R', 'B', 0x06};

class SimRadioTest : public ::testing::Test {
protected:
    mox::Bytes Enter() { return radio.Receive(Text("PROGRAM")); }
    SimRadio radio;
};

TEST_F(SimRadioTest, AnswersProgramAndIdentifiesItself) {
    EXPECT_EQ(Enter(), kProgramAck);
    mox::Bytes id = radio.Receive({0x02});
    mox::Bytes expected = {'P', 'R', 'B', '5', '1', '6', 0, 0, 0, 'V', '2', '0', '0', 0, 0, 0x06};
    EXPECT_EQ(id, expected);
}

TEST_F(SimRadioTest, IgnoresRequestsOutsideProgrammingMode) {
    EXPECT_TRUE(radio.Receive({0x02}).empty());
    EXPECT_TRUE(radio.Receive(ReadRequest(0)).empty());
    Enter();
    EXPECT_EQ(radio.Receive(Text("END")), kAck);
    EXPECT_TRUE(radio.Receive({0x02}).empty());
}

TEST_F(SimRadioTest, DataReplyCarriesAddressLengthDataAndChecksum) {
    Enter();
    radio.Memory()[0x10] = 0x12;
    mox::Bytes reply = radio.Receive(ReadRequest(0x0010));
    ASSERT_EQ(reply.size(), 22u);
    EXPECT_EQ(reply[0], 0x57);
    EXPECT_EQ(reply[1], 0x00);
    EXPECT_EQ(reply[2], 0x10);
    EXPECT_EQ(reply[3], 0x10);
    EXPECT_EQ(reply[4], 0x12);
    unsigned sum = 0x00 + 0x10 + 0x10;
    for (int i = 4; i < 20; ++i)
        sum += reply[i];
    EXPECT_EQ(reply[20], static_cast<std::uint8_t>(sum));
    EXPECT_EQ(reply[21], 0x06);
}

TEST(BlockChecksumTest, SumsAddressLengthAndDataModulo256) {
    // Sixteen FF bytes at 0010: 00 + 10 + 10 + 16 x FF = 0x1010.
    EXPECT_EQ(WriteBlock(0x0010, 0xFF)[20], 0x10);
}

TEST_F(SimRadioTest, StoresAWriteBlockWithAGoodChecksumOnly) {
    Enter();
    EXPECT_EQ(radio.Receive(WriteBlock(0x0020, 0x5A)), kAck);
    EXPECT_EQ(radio.Memory()[0x20], 0x5A);
    EXPECT_EQ(radio.Memory()[0x2F], 0x5A);

    mox::Bytes bad = WriteBlock(0x0030, 0x11);
    bad[20] ^= 0x01;
    EXPECT_TRUE(radio.Receive(bad).empty());
    EXPECT_NE(radio.Memory()[0x30], 0x11);
}

TEST_F(SimRadioTest, BuffersARequestSplitAcrossArrivals) {
    Enter();
    mox::Bytes block = WriteBlock(0x0040, 0x33);
    EXPECT_TRUE(radio.Receive(mox::Bytes(block.begin(), block.begin() + 7)).empty());
    EXPECT_EQ(radio.Receive(mox::Bytes(block.begin() + 7, block.end())), kAck);
    EXPECT_EQ(radio.Memory()[0x40], 0x33);
}

TEST_F(SimRadioTest, AnswersEveryRequestOfOneArrivalInOrder) {
    mox::Bytes both = Text("PROGRAM");
    both.push_back(0x02);
    mox::Bytes replies = radio.Receive(both);
    ASSERT_EQ(replies.size(), 19u);
    EXPECT_EQ(replies[2], 0x06);
    EXPECT_EQ(replies[3], 'P');
}

TEST_F(SimRadioTest, SkipsGarbageBeforeARequest) {
    mox::Bytes noisy = {0xFF, 0x00, 'P', 'X'};
    mox::Bytes program = Text("PROGRAM");
    noisy.insert(noisy.end(), program.begin(), program.end());
    EXPECT_EQ(radio.Receive(noisy), kProgramAck);
}

TEST_F(SimRadioTest, ADiscardedPartialRequestDoesNotSwallowTheNextOne) {
    Enter();
    radio.Receive({0x57, 0x00, 0x00});
    radio.DiscardPartialRequest();
    EXPECT_EQ(radio.Receive(ReadRequest(0)).size(), 22u);
}

TEST(SimRadioIdentity, ComesFromTheConfigurationAndFollowsAWriteOfTheModelBlock) {
    SimConfig config;
    config.ModelCode = "RB516G";
    config.BandCode = 5;
    config.Version = "V210";
    config.FeatureByte = 0x08;
    SimRadio radio(config);
    radio.Receive(Text("PROGRAM"));
    mox::Bytes id = radio.Receive({0x02});
    EXPECT_EQ(std::string(id.begin() + 1, id.begin() + 7), "RB516G");
    EXPECT_EQ(id[7], 0);
    EXPECT_EQ(id[8], 5);
    EXPECT_EQ(std::string(id.begin() + 9, id.begin() + 13), "V210");
    EXPECT_EQ(id[13], 0x08);

    mox::Bytes block = WriteBlock(2816, 0);
    const std::string model = "RB516\0\0";
    std::copy(model.begin(), model.end(), block.begin() + 4);
    block[4 + 7] = 3;
    block[20] = BlockChecksum(block);
    ASSERT_EQ(radio.Receive(block), mox::Bytes{0x06});
    id = radio.Receive({0x02});
    EXPECT_EQ(id[6], 0);
    EXPECT_EQ(id[8], 3);
}

TEST(SimRadioPassword, LivesInThePasswordBlock) {
    SimConfig config;
    config.Password = "12";
    SimRadio radio(config);
    radio.Receive(Text("PROGRAM"));
    mox::Bytes reply = radio.Receive(ReadRequest(2864));
    ASSERT_EQ(reply.size(), 22u);
    EXPECT_EQ(reply[4 + 12], '1');
    EXPECT_EQ(reply[4 + 13], '2');
    EXPECT_EQ(reply[4 + 14], 0x00);

    SimRadio open;
    EXPECT_EQ(open.Memory()[2876], 0xFF);
}

TEST(SimRadioMemory, HoldsAProgrammedRadio) {
    SimRadio radio;
    const auto& m = radio.Memory();
    ASSERT_EQ(m.size(), 8192u);
    // Channel 1 present at 435.12500 MHz.
    EXPECT_EQ(m[2048] & 0x01, 0);
    EXPECT_EQ(m[0], 0x02);
    EXPECT_EQ(m[1], 0x97);
    EXPECT_EQ(m[2], 0xF2);
    EXPECT_EQ(m[3], 0xB4);
    EXPECT_EQ(m[2097], 0x40);
    EXPECT_EQ(m[2152], 3);
    EXPECT_EQ(std::string(m.begin() + 2832 + 48, m.begin() + 2832 + 52), "RB51");
    EXPECT_EQ(m[8191], 0xA5);
}

}  // namespace
}  // namespace mox::sim
