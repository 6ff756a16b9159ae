#include <algorithm>
#include <set>

#include "support/LinkFixture.h"

namespace mox::test {
namespace {

using RetriesTest = LinkFixture;

long CountOf(const std::vector<int>& values, int value) {
    return std::count(values.begin(), values.end(), value);
}

long CountOf(const std::vector<std::string>& values, const std::string& value) {
    return std::count(values.begin(), values.end(), value);
}

TEST_F(RetriesTest, ResendRequestGetsTheSameBlockAgainAtOnceAnyNumberOfTimes) {
    sim::SimConfig config;
    config.Faults.ResendAddresses = {{16, 6}};
    UseRadio(config);
    Write();
    // Six resends, more than the three time-out retries a block has.
    EXPECT_EQ(CountOf(WriteAddresses(), 16), 7);
    EXPECT_EQ(Messages(), (std::vector<int>{9005, 9010}));
    EXPECT_EQ(state.Transfer.BlockRetries[1], 3);
}

TEST_F(RetriesTest, BadReplyIsIgnoredAndRequestedAgainThreeTimesThenTheFailureQuestion) {
    sim::SimConfig config;
    config.Faults.BadChecksumAddresses = {32};
    UseRadio(config);
    const RadioData before = state.Data;
    Read();
    // Address 32 never comes back right: one request and three more, each after 150 ms; then the
    // question (answered Cancel), so address 48 is never reached.
    EXPECT_EQ(CountOf(ReadAddresses(), 32), 4);
    EXPECT_EQ(CountOf(ReadAddresses(), 48), 0);
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008}));
    EXPECT_EQ(prompter.Prompts.back().Buttons, MsgButtons::OkCancel);
    EXPECT_EQ(prompter.Prompts.back().Icon, MsgIcon::Question);
    // Ending as failed tells the radio first, and the records stay as they were.
    EXPECT_EQ(Requests().back(), "END");
    time.RunFor(2000);
    EXPECT_FALSE(radio->InProgramMode());
    EXPECT_EQ(shell.ReadDataShown, 0);
    EXPECT_EQ(state.Data, before);
    EXPECT_FALSE(progress.IsOpen);
}

TEST_F(RetriesTest, WrongAddressIsIgnoredLikeAWrongChecksum) {
    sim::SimConfig config;
    config.Faults.WrongAddressAddresses = {64};
    UseRadio(config);
    Read();
    EXPECT_EQ(CountOf(ReadAddresses(), 64), 4);
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008}));
}

TEST_F(RetriesTest, FailureQuestionOkStartsAgainFromProgramAndAddressZero) {
    sim::SimConfig config;
    config.Faults.BadChecksumAddresses = {32};
    UseRadio(config);
    prompter.Answer(MsgAnswer::Ok);  // 9004
    prompter.Answer(MsgAnswer::Ok);  // 9008: again
    Engine().ReadFromRadio();
    ASSERT_TRUE(RunUntilIdle());

    const std::vector<std::string> requests = Requests();
    const auto restart = std::find(requests.begin() + 1, requests.end(), "PROGRAM");
    ASSERT_NE(restart, requests.end());
    // The block that used its retries up fails at its first time-out after the restart.
    EXPECT_EQ(std::vector<std::string>(restart, requests.end()),
              (std::vector<std::string>{"PROGRAM", "ID", "R 2864", "R 0", "R 16", "R 32", "END"}));
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008, 9008}));
    EXPECT_NE(std::find(progress.Percents.begin(), progress.Percents.end(), 0), progress.Percents.end());
    EXPECT_EQ(progress.Percents.back(), 1);
}

TEST_F(RetriesTest, ReadWithoutEndAcknowledgementStillSucceeds) {
    sim::SimConfig config;
    config.Faults.NoEndAck = true;
    UseRadio(config);
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
}

TEST_F(RetriesTest, HandshakeTimeOutsInFactoryTestModeAskTheFailureQuestionAtOnce) {
    state.FactoryTestMode = true;
    port.AddSilentDevice(kCable);
    Read();
    EXPECT_EQ(Requests(), (std::vector<std::string>{"PROGRAM", "PROGRAM", "PROGRAM", "PROGRAM", "END"}));
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008}));
    // Each request gets 150 ms.
    const std::int64_t start = port.WrittenAt.front();
    EXPECT_EQ(port.WrittenAt,
              (std::vector<std::int64_t>{start, start + 150, start + 300, start + 450, start + 600}));
}

TEST_F(RetriesTest, UnansweredIdentifyOutsideFactoryTestModeStartsTheSearch) {
    sim::SimConfig config;
    config.Faults.DropReplies = {2, 3, 4};
    UseRadio(config);
    Read();
    const std::vector<std::string> requests = Requests();
    EXPECT_EQ(std::vector<std::string>(requests.begin(), requests.begin() + 6),
              (std::vector<std::string>{"PROGRAM", "ID", "ID", "ID", "PROGRAM", "ID"}));
    EXPECT_EQ(progress.Captions.at(1), "Search for communication setting,please wait for a few minutes...");
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
}

// Radio information read by a cable where the radio answers nothing after "PROGRAM", or nothing at
// all: every time-out but the first three "PROGRAM" asks the retry question.
TEST_F(RetriesTest, RadioInformationAsksAgainAtEveryFurtherTimeOut) {
    sim::SimConfig config;
    config.Faults.DropReplies = {2};
    UseRadio(config);
    Engine().ReadRMGDataFromRadio();
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(Requests(), (std::vector<std::string>{"PROGRAM", "ID", "END"}));
    EXPECT_EQ(Messages(), std::vector<int>{9008});

    port.AddSilentDevice(kCable);
    port.Written.clear();
    prompter.Prompts.clear();
    prompter.Answer(MsgAnswer::Retry);
    Engine().ReadRMGDataFromRadio();
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(Requests(),
              (std::vector<std::string>{"PROGRAM", "PROGRAM", "PROGRAM", "PROGRAM", "PROGRAM", "END"}));
    EXPECT_EQ(Messages(), (std::vector<int>{9008, 9008}));
}

TEST_F(RetriesTest, FailureQuestionGivesIdentifyAndPasswordBlockTheirRetriesBack) {
    struct Case {
        bool FactoryTestMode;
        std::set<int> Dropped;
        std::string Request;
    };
    // Three unanswered requests ask the question; after OK the first one after "PROGRAM" goes
    // unanswered once more and is sent again.
    const Case cases[] = {{true, {2, 3, 4, 6}, "ID"}, {false, {3, 4, 5, 8}, "R 2864"}};
    for (const Case& c : cases) {
        state.FactoryTestMode = c.FactoryTestMode;
        sim::SimConfig config;
        config.Faults.DropReplies = c.Dropped;
        UseRadio(config);
        port.Written.clear();
        prompter.Prompts.clear();
        prompter.Answer(MsgAnswer::Ok);  // 9004
        prompter.Answer(MsgAnswer::Ok);  // 9008
        Engine().ReadFromRadio();
        ASSERT_TRUE(RunUntilIdle());
        EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008, 9009})) << c.Request;
        EXPECT_EQ(CountOf(Requests(), c.Request), 5) << c.Request;
    }
}

TEST_F(RetriesTest, EndRequestHeldBackByHandshakingIsAwaitedOnlyBrieflyThenDropped) {
    state.FactoryTestMode = true;
    state.Link.Handshaking = 2;
    port.ThreeWireCable(kCable);
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008}));
    EXPECT_EQ(Requests().back(), "END");
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.BlockedCloses, 0);
    EXPECT_GT(port.LongestWaitMs, 0);
    EXPECT_LE(port.LongestWaitMs, 200);
}

TEST_F(RetriesTest, UnansweredIdentifyIsSentThreeTimes) {
    state.FactoryTestMode = true;
    sim::SimConfig config;
    config.Faults.DropReplies = {2, 3, 4};
    UseRadio(config);
    Read();
    EXPECT_EQ(Requests(), (std::vector<std::string>{"PROGRAM", "ID", "ID", "ID", "END"}));
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008}));
}

TEST_F(RetriesTest, UnansweredPasswordBlockIsSentThreeTimesThenTheFailureQuestion) {
    sim::SimConfig config;
    config.Faults.DropReplies = {3, 4, 5};
    UseRadio(config);
    Read();
    EXPECT_EQ(Requests(), (std::vector<std::string>{"PROGRAM", "ID", "R 2864", "R 2864", "R 2864", "END"}));
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008}));
}

TEST_F(RetriesTest, RadioInformationRetryRepeatsTheHandshakeAndTheBlockThatTimedOut) {
    sim::SimConfig config;
    config.Faults.DropReplies = {5};  // the block at 2864; an information block is not retried
    UseRadio(config);
    prompter.Answer(MsgAnswer::Retry);
    Engine().ReadRMGDataFromRadio();
    ASSERT_TRUE(RunUntilIdle());
    ASSERT_EQ(Messages(), std::vector<int>{9008});
    EXPECT_EQ(prompter.Prompts[0].Buttons, MsgButtons::RetryCancel);
    const std::vector<std::string> requests = Requests();
    EXPECT_EQ(CountOf(requests, "PROGRAM"), 2);
    EXPECT_EQ(CountOf(requests, "R 2864"), 2);
    EXPECT_TRUE(std::equal(state.InfoBlock.begin(), state.InfoBlock.end(), radio->Memory().begin() + 2832));
    EXPECT_EQ(shell.InfoWindows, 1);
}

TEST_F(RetriesTest, RadioInformationCancelEndsWithoutTheWindow) {
    port.AddSilentDevice(kCable);
    Engine().ReadRMGDataFromRadio();
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(Requests(), (std::vector<std::string>{"PROGRAM", "PROGRAM", "PROGRAM", "PROGRAM", "END"}));
    EXPECT_EQ(Messages(), std::vector<int>{9008});
    EXPECT_EQ(shell.InfoWindows, 0);
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(RetriesTest, PortThatVanishesMidTransferEndsInTheFailureQuestionAndAClearError) {
    sim::SimConfig config;
    config.Faults.VanishAfterRequest = 40;
    UseRadio(config);
    const RadioData before = state.Data;
    prompter.Answer(MsgAnswer::Ok);  // 9004
    prompter.Answer(MsgAnswer::Ok);  // 9008: again, but the adapter is gone
    Engine().ReadFromRadio();
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008, 9003}));
    EXPECT_EQ(state.Transfer.Kind, TransferKind::None);
    EXPECT_FALSE(progress.IsOpen);
    time.RunFor(1000);
    EXPECT_EQ(state.Data, before);
}

}  // namespace
}  // namespace mox::test
