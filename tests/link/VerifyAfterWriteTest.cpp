#include <algorithm>

#include "services/Texts.h"
#include "support/LinkFixture.h"

namespace mox::test {
namespace {

class VerifyAfterWriteTest : public LinkFixture {
protected:
    void WriteAndVerify() {
        TransferOptions options;
        options.VerifyAfterWrite = true;
        Engine().SetOptions(options);
        Write();
    }
};

TEST_F(VerifyAfterWriteTest, ACleanWriteIsReadBackWholeAndReportedDone) {
    WriteAndVerify();

    const std::vector<std::string> requests = Requests();
    const auto end = std::find(requests.begin(), requests.end(), "END");
    ASSERT_NE(end, requests.end());
    // After the write's end request the radio is read as a read reads it: handshake, then every block.
    const std::vector<std::string> readBack(end + 1, requests.end());
    ASSERT_EQ(readBack.size(), 3u + 177u + 1u);
    EXPECT_EQ(readBack[0], "PROGRAM");
    EXPECT_EQ(readBack[3], "R 0");
    EXPECT_EQ(readBack[179], "R 2816");
    EXPECT_EQ(readBack.back(), "END");
    EXPECT_EQ(Messages(), (std::vector<int>{9005, 9010}));
    EXPECT_EQ(progress.Openings, 1);
    EXPECT_EQ(progress.Captions.back(), GetLanguageText(state, 9027));
    EXPECT_FALSE(progress.IsOpen);
    EXPECT_TRUE(std::equal(state.Image.begin(), state.Image.end(), radio->Memory().begin()));
    EXPECT_FALSE(Engine().IsBusy());
}

TEST_F(VerifyAfterWriteTest, ARadioThatKeepsAByteWronglyIsNamedByAddressAndField) {
    struct Case {
        int Address;
        const char* AddressText;
        const char* Field;
    };
    const Case cases[] = {
        {2, "2 (0002)", "channel 1: RX frequency"},        {4 * 16 + 9, "73 (0049)", "channel 5: TX tone"},
        {2049, "2049 (0801)", "the channel presence map"}, {2700, "2700 (0A8C)", "embedded message line 1"},
        {2830, "2830 (0B0E)", "an unused byte"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Address);
        sim::SimConfig config;
        config.Faults.StoreWrongAddresses = {c.Address};
        UseRadio(config);
        prompter.Prompts.clear();
        engine.reset();
        WriteAndVerify();

        EXPECT_EQ(Messages(), (std::vector<int>{9005, 31700}));
        const std::string text = LastPromptText();
        EXPECT_NE(text.find("address " + std::string(c.AddressText) + " (" + c.Field + ")"),
                  std::string::npos)
            << text;
        const int kept = radio->Memory()[static_cast<std::size_t>(c.Address)];
        const int written = state.Image[static_cast<std::size_t>(c.Address)];
        EXPECT_EQ(kept, written ^ 0xFF);
        // The image stays what was written: it differs from the radio in that byte alone.
        int differing = 0;
        for (std::size_t at = 0; at < state.Image.size(); ++at)
            differing += state.Image[at] != radio->Memory()[at] ? 1 : 0;
        EXPECT_EQ(differing, 1);
        EXPECT_FALSE(progress.IsOpen);
    }
}

TEST_F(VerifyAfterWriteTest, ARadioThatCannotBeReadBackFailsTheWrite) {
    // The write takes PROGRAM, ID, the password block, 177 blocks and END: 181 requests. Nothing after
    // them is answered; the failure question that follows the search is cancelled.
    sim::SimConfig config;
    for (int request = 182; request < 1000; ++request)
        config.Faults.DropReplies.insert(request);
    UseRadio(config);
    prompter.Answer(MsgAnswer::Ok);
    for (int i = 0; i < 5; ++i)
        prompter.Answer(MsgAnswer::Cancel);
    TransferOptions options;
    options.VerifyAfterWrite = true;
    Engine().SetOptions(options);
    Engine().WriteToRadio();
    ASSERT_TRUE(RunUntilIdle());

    const std::vector<int> messages = Messages();
    EXPECT_EQ(std::count(messages.begin(), messages.end(), 9010), 0);
    EXPECT_EQ(messages.back(), 31701);
}

TEST_F(VerifyAfterWriteTest, WithoutTheOptionTheWriteEndsAtTheRadiosAcknowledgement) {
    Write();
    const std::vector<std::string> requests = Requests();
    EXPECT_EQ(requests.back(), "END");
    EXPECT_EQ(std::count(requests.begin(), requests.end(), "PROGRAM"), 1);
}

}  // namespace
}  // namespace mox::test
