#include <gtest/gtest.h>

#include <string>

#include "SimRadio.h"

namespace mox::sim {
namespace {

const mox::Bytes kProgram = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};

mox::Bytes ReadRequest(int address) {
    return {0x52, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address), 0x10};
}

mox::Bytes WriteBlock(int address) {
    mox::Bytes block = {0x57, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
                        0x10};
    block.insert(block.end(), 16, 0x77);
    block.push_back(BlockChecksum(block));
    block.push_back(0x06);
    return block;
}

template <typename SetFault>
SimRadio RadioWith(SetFault set) {
    SimConfig config;
    set(config.Faults);
    return SimRadio(config);
}

TEST(SimFaults, DropsTheRepliesOfTheNamedRequests) {
    SimRadio radio = RadioWith([](SimFaults& f) { f.DropReplies = {2}; });
    EXPECT_FALSE(radio.Receive(kProgram).empty());
    EXPECT_TRUE(radio.Receive({0x02}).empty());
    EXPECT_EQ(radio.Receive({0x02}).size(), 16u);
    EXPECT_EQ(radio.Transcript()[3], radio.Transcript()[5] + " (dropped)");
}

TEST(SimFaults, SpoilsTheChecksumOfTheNamedAddressesEveryTime) {
    SimRadio radio = RadioWith([](SimFaults& f) { f.BadChecksumAddresses = {0x20}; });
    radio.Receive(kProgram);
    for (int attempt = 0; attempt < 2; ++attempt) {
        mox::Bytes reply = radio.Receive(ReadRequest(0x20));
        ASSERT_EQ(reply.size(), 22u);
        EXPECT_NE(reply[20], BlockChecksum(reply));
    }
    mox::Bytes good = radio.Receive(ReadRequest(0x30));
    EXPECT_EQ(good[20], BlockChecksum(good));
}

TEST(SimFaults, NamesAnotherAddressInTheReply) {
    SimRadio radio = RadioWith([](SimFaults& f) { f.WrongAddressAddresses = {0x20}; });
    radio.Receive(kProgram);
    mox::Bytes reply = radio.Receive(ReadRequest(0x20));
    EXPECT_EQ(reply[2], 0x30);
    EXPECT_EQ(reply[20], BlockChecksum(reply));
}

TEST(SimFaults, AsksForAWriteBlockAgainBeforeAcceptingIt) {
    SimRadio radio = RadioWith([](SimFaults& f) { f.ResendAddresses = {{0x40, 2}}; });
    radio.Receive(kProgram);
    EXPECT_EQ(radio.Receive(WriteBlock(0x40)), mox::Bytes{0x0A});
    EXPECT_EQ(radio.Memory()[0x40], 0xFF);
    EXPECT_EQ(radio.Receive(WriteBlock(0x40)), mox::Bytes{0x0A});
    EXPECT_EQ(radio.Receive(WriteBlock(0x40)), mox::Bytes{0x06});
    EXPECT_EQ(radio.Memory()[0x40], 0x77);
}

TEST(SimFaults, KeepsTheNamedWrittenBytesInvertedButAcknowledgesTheWrite) {
    SimRadio radio = RadioWith([](SimFaults& f) { f.StoreWrongAddresses = {0x21, 0x40}; });
    radio.Receive(kProgram);
    EXPECT_EQ(radio.Receive(WriteBlock(0x20)), mox::Bytes{0x06});
    EXPECT_EQ(radio.Memory()[0x20], 0x77);
    EXPECT_EQ(radio.Memory()[0x21], 0x88);
    EXPECT_EQ(radio.Memory()[0x2F], 0x77);
    EXPECT_EQ(radio.Memory()[0x40], 0xFF);  // not written
}

TEST(SimFaults, PutsNoiseBeforeTheProgramAcknowledgement) {
    SimRadio radio = RadioWith([](SimFaults& f) { f.Noise = true; });
    mox::Bytes reply = radio.Receive(kProgram);
    ASSERT_GT(reply.size(), 3u);
    EXPECT_EQ(mox::Bytes(reply.end() - 3, reply.end()), (mox::Bytes{'R', 'B', 0x06}));
}

TEST(SimFaults, LeavesTheEndRequestUnacknowledged) {
    SimRadio radio = RadioWith([](SimFaults& f) { f.NoEndAck = true; });
    radio.Receive(kProgram);
    EXPECT_TRUE(radio.Receive({'E', 'N', 'D'}).empty());
    EXPECT_FALSE(radio.InProgramMode());
}

TEST(SimFaults, VanishesAfterTheNamedRequest) {
    SimRadio radio = RadioWith([](SimFaults& f) { f.VanishAfterRequest = 2; });
    radio.Receive(kProgram);
    EXPECT_TRUE(radio.Receive({0x02}).empty());
    EXPECT_TRUE(radio.Vanished());
    EXPECT_TRUE(radio.Receive(kProgram).empty());
}

TEST(SimFaults, AnswersGarbageToTheNamedRequestsAndFromOneOn) {
    SimRadio radio = RadioWith([](SimFaults& f) {
        f.GarbageReplies = {2};
        f.GarbageFromRequest = 4;
    });
    EXPECT_EQ(radio.Receive(kProgram), (mox::Bytes{'R', 'B', 0x06}));
    const mox::Bytes identification = radio.Receive({0x02});
    EXPECT_EQ(identification, GarbageReply(2, 16));
    EXPECT_EQ(radio.Receive(ReadRequest(0)).front(), 0x57);
    for (int request = 4; request < 8; ++request) {
        const mox::Bytes reply = radio.Receive(ReadRequest(16));
        EXPECT_EQ(reply, GarbageReply(request, 22)) << request;
    }
    // Even where the radio would say nothing, it says something.
    EXPECT_FALSE(radio.Receive({'E', 'N', 'D'}).empty());
}

TEST(SimFaults, GarbageNeverBeginsAsAReply) {
    for (int request = 1; request < 5000; ++request) {
        for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{22}}) {
            const mox::Bytes garbage = GarbageReply(request, length);
            ASSERT_FALSE(garbage.empty());
            EXPECT_EQ(garbage, GarbageReply(request, length));
            const std::uint8_t replyStarts[] = {0x06, 0x0A, 'R', 'P', 0x57};
            for (const std::uint8_t start : replyStarts)
                ASSERT_NE(garbage.front(), start) << request;
        }
    }
}

TEST(SimSettings, AcceptsOnlyItsOwnStopBitsAndHandshaking) {
    SimConfig config;
    config.StopBits = 2;
    config.Handshaking = 3;
    SimRadio radio(config);
    EXPECT_TRUE(radio.AcceptsSettings(2, 3));
    EXPECT_FALSE(radio.AcceptsSettings(1, 3));
    EXPECT_FALSE(radio.AcceptsSettings(2, 2));
}

}  // namespace
}  // namespace mox::sim
