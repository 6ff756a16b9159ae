#include <algorithm>

#include "image/Models.h"
#include "services/Texts.h"
#include "services/Versions.h"
#include "support/LinkFixture.h"

namespace mox::test {
namespace {

class RecordingStarter : public ProgramStarter {
public:
    explicit RecordingStarter(const SimRadioPort& port) : m_port(port) {}
    bool StartAndExit(const std::filesystem::path& executable) override {
        Started.push_back(executable);
        PortOpenAtStart = m_port.IsOpen();
        return true;
    }
    std::vector<std::filesystem::path> Started;
    bool PortOpenAtStart = true;

private:
    const SimRadioPort& m_port;
};

class ChecksTest : public LinkFixture {
protected:
    void UseRadio(const std::string& model, int band, const std::string& version = "V200",
                  std::uint8_t features = 0, const std::string& password = "") {
        sim::SimConfig config;
        config.ModelCode = model;
        config.BandCode = band;
        config.Version = version;
        config.FeatureByte = features;
        config.Password = password;
        LinkFixture::UseRadio(config);
    }
    bool ImageBlocksMoved() const { return !WriteAddresses().empty() || ReadAddresses().size() > 1; }
};

TEST_F(ChecksTest, RadioWithoutPasswordIsReadWithoutAskingWhateverTheProgrammingPassword) {
    state.ProgrammingPassword = "9999";
    radio->Memory()[2876] = 0x00;  // a password that starts with 00 is none
    Read();
    EXPECT_EQ(prompter.PasswordDialogs, 0);
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
}

TEST_F(ChecksTest, PasswordDialogLetsTheReadGoOnWithTheRightPassword) {
    UseRadio("RB516", 0, "V200", 0, "1234");
    prompter.AnswerPassword("1234");
    Read();
    EXPECT_EQ(prompter.PasswordDialogs, 1);
    EXPECT_EQ(state.ProgrammingPassword, "1234");
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
}

TEST_F(ChecksTest, CancelledOrWrongPasswordIsPassWordFailure) {
    UseRadio("RB516", 0, "V200", 0, "1234");
    prompter.CancelPassword();
    Read();
    ASSERT_EQ(prompter.Prompts.size(), 2u);
    EXPECT_EQ(prompter.Prompts[1].Text, "PassWord Failure!");
    EXPECT_EQ(prompter.Prompts[1].Buttons, MsgButtons::Ok);
    EXPECT_FALSE(ImageBlocksMoved());
    EXPECT_EQ(Requests().back(), "END");

    port.Written.clear();
    prompter.AnswerPassword("4321");
    Read();
    EXPECT_EQ(prompter.Prompts.back().Text, "PassWord Failure!");
    EXPECT_FALSE(ImageBlocksMoved());
}

TEST_F(ChecksTest, OtherModelOfTheFamilyIsReadButNotWritten) {
    state.Model.ModelCode = "RB516G";
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));

    // The read took the radio's model over; the user picks the other model again.
    state.Model.ModelCode = "RB516G";
    port.Written.clear();
    Write();
    EXPECT_EQ(Messages().back(), 9012);
    EXPECT_EQ(LastPromptText(), GetLanguageText(state, 9012) + "\r\nPC is MOX-5HK_1\r\nRadio is MOX-5HK");
    EXPECT_FALSE(ImageBlocksMoved());
}

TEST_F(ChecksTest, ForeignModelIsRefusedForAReadToo) {
    UseRadio("XY100", 0);
    Read();
    EXPECT_EQ(Messages().back(), 9012);
    EXPECT_EQ(LastPromptText(), GetLanguageText(state, 9012) + "\r\nPC is MOX-5HK\r\nRadio is XY100");
    EXPECT_FALSE(ImageBlocksMoved());
}

TEST_F(ChecksTest, OtherBandOfTheSameFamilyAsksBeforeWriting) {
    UseRadio("RB516", 6);
    prompter.Answer(MsgAnswer::Ok);  // 9005
    prompter.Answer(MsgAnswer::Ok);  // 9014: write anyway
    Engine().WriteToRadio();
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(Messages(), (std::vector<int>{9005, 9014, 9010}));
    EXPECT_EQ(prompter.Prompts[1].Icon, MsgIcon::Warning);
    EXPECT_EQ(prompter.Prompts[1].Buttons, MsgButtons::OkCancel);
    // The question names both bands, since the radio takes the band of the data.
    EXPECT_EQ(prompter.Prompts[1].Text,
              GetLanguageText(state, 9014) +
                  "\r\nBand of the data: 400 - 480 MHz\r\nBand of the radio: 430 - 440 MHz");
    EXPECT_EQ(WriteAddresses().size(), 177u);
    EXPECT_EQ(radio->Memory()[2823], 0);

    // The write has given the radio the data's band; a radio of band 6 again:
    UseRadio("RB516", 6);
    port.Written.clear();
    prompter.Answer(MsgAnswer::Ok);      // 9005
    prompter.Answer(MsgAnswer::Cancel);  // 9014
    Engine().WriteToRadio();
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(Messages().back(), 9014);
    EXPECT_FALSE(ImageBlocksMoved());
}

TEST_F(ChecksTest, RadioOfAnUnknownBandIsNeitherReadNorWritten) {
    UseRadio("RB516", 15);
    const RadioData before = state.Data;
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 30101}));
    EXPECT_EQ(LastPromptText(),
              "The radio reports band code 15, which this program does not know. Nothing was transferred.");
    EXPECT_FALSE(ImageBlocksMoved());
    time.RunFor(1000);
    EXPECT_EQ(state.Data, before);
    EXPECT_EQ(shell.ReadDataShown, 0);

    // Band 15 lies next to the band 136 - 174 MHz by its code, but it is no band of that range.
    SetBandLimits(state.Model, "136 - 174 MHz");
    port.Written.clear();
    Write();
    EXPECT_EQ(Messages().back(), 30101);
    EXPECT_FALSE(ImageBlocksMoved());
    EXPECT_EQ(radio->Memory()[2823], 15);
}

TEST_F(ChecksTest, BandOfAnotherFamilyRefusesTheWrite) {
    UseRadio("RB516", 8);
    Write();
    EXPECT_EQ(Messages(), (std::vector<int>{9005, 9030}));
    EXPECT_EQ(prompter.Prompts.back().Icon, MsgIcon::Warning);
    EXPECT_FALSE(ImageBlocksMoved());
}

TEST_F(ChecksTest, UnknownRadioVersionAsksTheVersionQuestionAndYesSwitchesAfterTheTransferEnded) {
    RecordingStarter starter(port);
    state.Starter = &starter;
    state.ExecutableName = "moxcps";
    state.Versions.Firm.push_back({"V100", "V100"});
    UseRadio("RB516", 0, "V100");
    prompter.Answer(MsgAnswer::Ok);   // 9004
    prompter.Answer(MsgAnswer::Yes);  // the version question
    Engine().ReadFromRadio();
    ASSERT_TRUE(RunUntilIdle());

    ASSERT_EQ(Messages(), (std::vector<int>{9004, 9062}));
    EXPECT_EQ(prompter.Prompts[1].Buttons, MsgButtons::YesNo);
    EXPECT_EQ(prompter.Prompts[1].Text, VersionQuestion(state, "V200", "V100", 0));
    ASSERT_EQ(starter.Started.size(), 1u);
    EXPECT_EQ(starter.Started[0], folder.Root() / "V100" / "moxcps");
    EXPECT_FALSE(starter.PortOpenAtStart);
    EXPECT_EQ(Requests().back(), "END");
    EXPECT_FALSE(ImageBlocksMoved());
}

TEST_F(ChecksTest, UnknownRadioVersionAnsweredNoEndsTheTransfer) {
    UseRadio("RB516", 0, "V100");
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9062}));
    EXPECT_FALSE(ImageBlocksMoved());
}

TEST_F(ChecksTest, FeatureBitsThreeAndTwoRefuseAWriteButNotARead) {
    const std::pair<std::uint8_t, int> cases[] = {{0x08, 9031}, {0x04, 9032}, {0x0C, 9031}};
    for (const auto& [features, message] : cases) {
        UseRadio("RB516", 0, "V200", features);
        port.Written.clear();
        prompter.Prompts.clear();
        Write();
        EXPECT_EQ(Messages(), (std::vector<int>{9005, message})) << int(features);
        EXPECT_EQ(Requests(), (std::vector<std::string>{"PROGRAM", "ID", "END"})) << int(features);
    }
    EXPECT_EQ(state.Features.Current, (std::array<std::uint8_t, 4>{1, 1, 0, 0}));

    port.Written.clear();
    prompter.Prompts.clear();
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
}

TEST_F(ChecksTest, IdentityGoesIntoTheModelBlockOfTheImage) {
    UseRadio("RB516G", 3, "V200", 0x02);
    state.Model.ModelCode = "RB516G";
    state.Model.BandCode = 3;
    prompter.Answer(MsgAnswer::Ok);
    Engine().WriteToRadio();
    time.RunUntil([this] { return state.Transfer.Step == TransferStep::PasswordBlockSent; }, 1000);
    EXPECT_EQ(std::string(state.Image.begin() + 2816, state.Image.begin() + 2823),
              std::string("RB516G\0", 7));
    EXPECT_EQ(std::string(state.Image.begin() + 2824, state.Image.begin() + 2828), "V200");
    EXPECT_EQ(state.Image[2828], 0x02);
    EXPECT_EQ(state.Features.Current, (std::array<std::uint8_t, 4>{0, 0, 1, 0}));
    EXPECT_EQ(state.Features.Remembered, (std::array<std::uint8_t, 4>{0, 0, 1, 0}));
}

}  // namespace
}  // namespace mox::test
