#include <algorithm>

#include "link/Packets.h"
#include "services/FixedText.h"
#include "services/Texts.h"
#include "support/LinkFixture.h"

namespace mox::test {
namespace {

using ReadWriteTest = LinkFixture;

std::vector<std::string> Handshake() {
    return {"PROGRAM", "ID", "R 2864"};
}

std::vector<int> ImageBlocks() {
    std::vector<int> addresses;
    for (int address = 0; address <= 2816; address += 16)
        addresses.push_back(address);
    return addresses;
}

TEST_F(ReadWriteTest, ReadFetchesTheWholeImageAndUnpacksItHalfASecondAfterTheEnd) {
    const RadioData before = state.Data;
    prompter.Answer(MsgAnswer::Ok);
    Engine().ReadFromRadio();
    ASSERT_TRUE(time.RunUntil([this] { return state.Transfer.Kind == TransferKind::None; }, 60000));

    std::vector<std::string> expected = Handshake();
    for (int address : ImageBlocks())
        expected.push_back("R " + std::to_string(address));
    expected.push_back("END");
    EXPECT_EQ(Requests(), expected);
    EXPECT_EQ(ReadAddresses().size(), 178u);  // the password block and 177 image blocks
    EXPECT_TRUE(std::equal(state.Image.begin(), state.Image.end(), radio->Memory().begin()));
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
    EXPECT_EQ(progress.Captions.front(), GetLanguageText(state, 9027));
    EXPECT_FALSE(progress.IsOpen);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(shell.ChannelCommits, 1);
    EXPECT_EQ(shell.WindowsClosed, 1);

    // The records change only when the read-done timer fires.
    EXPECT_EQ(state.Data, before);
    time.RunFor(499);
    EXPECT_EQ(shell.ReadDataShown, 0);
    time.RunFor(1);
    EXPECT_EQ(shell.ReadDataShown, 1);
    EXPECT_EQ(state.Data.Channels.Count, 5);
    EXPECT_EQ(CutFixedText(state.Data.Channels.Records[0].RxDigits), "43512500");
    EXPECT_EQ(state.Document.CurrentPath, "new.dat");
    EXPECT_TRUE(state.Document.IsNew);
}

TEST_F(ReadWriteTest, ReadProgressFollowsTheAddressAfterEachBlock) {
    Read();
    ASSERT_FALSE(progress.Percents.empty());
    EXPECT_TRUE(std::is_sorted(progress.Percents.begin(), progress.Percents.end()));
    EXPECT_EQ(progress.Percents.front(), 1);  // block 16: 16 * 100 / 2831 = 0.57
    EXPECT_EQ(progress.Percents.back(), 99);  // block 2816
}

TEST_F(ReadWriteTest, WriteSendsEveryBlockOfThePackedImageAndTheRadioKeepsIt) {
    state.Model.BandCode = 0;
    Write();

    std::vector<std::string> expected = Handshake();
    for (int address : ImageBlocks())
        expected.push_back("W " + std::to_string(address));
    expected.push_back("END");
    EXPECT_EQ(Requests(), expected);
    EXPECT_EQ(Messages(), (std::vector<int>{9005, 9010}));
    EXPECT_EQ(shell.EditorCommits, 1);
    EXPECT_EQ(progress.Captions.front(), GetLanguageText(state, 9028));
    EXPECT_EQ(progress.Percents.back(), 99);
    // The radio holds the image as packed, with its own version and feature byte in the model block.
    EXPECT_TRUE(std::equal(state.Image.begin(), state.Image.end(), radio->Memory().begin()));
    EXPECT_EQ(std::string(radio->Memory().begin() + 2824, radio->Memory().begin() + 2828), "V200");
}

TEST_F(ReadWriteTest, RepliesArrivingByteByByteAreTakenWhole) {
    port.DeliverByteByByte = true;
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
    EXPECT_TRUE(std::equal(state.Image.begin(), state.Image.end(), radio->Memory().begin()));
    Write();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009, 9005, 9010}));
    EXPECT_EQ(WriteAddresses().size(), 177u);
}

TEST_F(ReadWriteTest, BytesFollowingAReplyAreNoPartOfIt) {
    port.Answering = [](const Bytes&, Bytes reply) {
        if (!reply.empty())
            reply.insert(reply.end(), {0x00, 0xFF, 0x06});
        return reply;
    };
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
    EXPECT_TRUE(std::equal(state.Image.begin(), state.Image.end(), radio->Memory().begin()));
    EXPECT_EQ(ReadAddresses().size(), 178u);
}

TEST_F(ReadWriteTest, ResendRequestAnsweringTheEndRequestIsIgnored) {
    port.Answering = [](const Bytes& request, Bytes reply) {
        return request == EndRequest() ? Bytes{0x0A} : reply;
    };
    Write();
    EXPECT_EQ(Messages(), (std::vector<int>{9005, 9010}));
    EXPECT_EQ(Requests().back(), "END");
}

TEST_F(ReadWriteTest, WriteStartsOneHundredMillisecondsAfterTheEditorsCommitted) {
    prompter.Answer(MsgAnswer::Ok);
    Engine().WriteToRadio();
    EXPECT_EQ(shell.EditorCommits, 1);
    time.RunFor(99);
    EXPECT_TRUE(prompter.Prompts.empty());
    time.RunFor(1);
    EXPECT_EQ(Messages(), std::vector<int>{9005});
}

TEST_F(ReadWriteTest, CancelledQuestionChangesNothing) {
    prompter.Answer(MsgAnswer::Cancel);
    Engine().ReadFromRadio();
    EXPECT_FALSE(Engine().IsBusy());
    EXPECT_TRUE(port.Written.empty());
    EXPECT_EQ(state.Transfer.Kind, TransferKind::None);
    EXPECT_EQ(progress.Openings, 0);
}

TEST_F(ReadWriteTest, PortThatCannotBeOpenedEndsTheCommandWithError9003) {
    port.RefuseOpen(kCable);
    Engine().ReadFromRadio();
    ASSERT_EQ(Messages(), std::vector<int>{9003});
    EXPECT_EQ(prompter.Prompts[0].Icon, MsgIcon::Error);
    EXPECT_EQ(state.Transfer.Kind, TransferKind::None);
}

TEST_F(ReadWriteTest, DamagedChannelRefusesTheWriteBeforeAnyBlock) {
    state.Data.Channels.Count = 1;
    state.Data.Channels.Records[0].Number = 7;
    SetFixedText(state.Data.Channels.Records[0].RxDigits, "4351x");
    Write();
    EXPECT_TRUE(port.Written.empty());
    ASSERT_EQ(Messages(), (std::vector<int>{9005, 30001}));
    EXPECT_NE(LastPromptText().find("7"), std::string::npos);
    EXPECT_EQ(progress.Openings, 0);
}

TEST_F(ReadWriteTest, RadioInformationReadFetchesThirtyOneBlocksWithoutQuestionOrProgress) {
    const RadioImage image = state.Image;
    Engine().ReadRMGDataFromRadio();
    ASSERT_TRUE(RunUntilIdle());

    std::vector<std::string> expected{"PROGRAM", "ID"};
    for (int address = 2832; address <= 3312; address += 16)
        expected.push_back("R " + std::to_string(address));
    expected.push_back("END");
    EXPECT_EQ(Requests(), expected);
    EXPECT_TRUE(std::equal(state.InfoBlock.begin(), state.InfoBlock.end(), radio->Memory().begin() + 2832));
    EXPECT_EQ(state.Info.SerialNumber, "RB516A0012345");
    EXPECT_EQ(shell.InfoWindows, 1);
    EXPECT_TRUE(prompter.Prompts.empty());
    EXPECT_EQ(progress.Openings, 0);
    EXPECT_EQ(state.Image, image);
}

// The information command clears the window of the last read away only when a new read starts: while a
// transfer runs, or when the port cannot be opened, the window stays.
TEST_F(ReadWriteTest, RadioInformationClearsTheLastWindowOnlyWhenTheReadStarts) {
    int cleared = 0;
    const auto clear = [&cleared] { ++cleared; };
    Engine().ReadRMGDataFromRadio(clear);
    EXPECT_EQ(cleared, 1);
    time.RunFor(50);
    Engine().ReadRMGDataFromRadio(clear);
    EXPECT_EQ(cleared, 1);
    ASSERT_TRUE(RunUntilIdle());

    port.RefuseOpen(kCable);
    Engine().ReadRMGDataFromRadio(clear);
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(Messages(), std::vector<int>{9003});
    EXPECT_EQ(shell.InfoWindows, 1);
}

TEST_F(ReadWriteTest, SecondCommandDuringATransferIsIgnored) {
    Engine().ReadRMGDataFromRadio();
    time.RunFor(50);
    Engine().ReadFromRadio();
    EXPECT_TRUE(prompter.Prompts.empty());
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(shell.InfoWindows, 1);
}

}  // namespace
}  // namespace mox::test
