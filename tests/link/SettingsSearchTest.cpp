#include <algorithm>

#include "services/IniFile.h"
#include "services/SetupFile.h"
#include "services/Texts.h"
#include "support/LinkFixture.h"

namespace mox::test {
namespace {

constexpr const char* kSecondCable = "/dev/ttyUSB1";
const std::string kSearchCaption = "Search for communication setting,please wait for a few minutes...";

// COM1 has nothing at the end of its cable; COM2 has the radio.
class SettingsSearchTest : public LinkFixture {
protected:
    SettingsSearchTest() {
        port.AddSilentDevice(kCable);
        enumerator.Devices = {kCable, kSecondCable};
        ports->PortList();
    }

    void RadioOnSecondCable(const std::string& model, int stopBits, int handshaking,
                            std::uint8_t features = 0) {
        sim::SimConfig config;
        config.ModelCode = model;
        config.StopBits = stopBits;
        config.Handshaking = handshaking;
        config.FeatureByte = features;
        radio = std::make_unique<sim::SimRadio>(config);
        port.Attach(kSecondCable, *radio);
    }

    std::string SavedSetting(const char* key) const {
        return ReadIniString(state.Paths.SetupFile, "language", key, "missing");
    }

    // (device, handshaking, stop bits) of every opening of the port.
    std::vector<std::tuple<std::string, int, int>> Openings() const {
        std::vector<std::tuple<std::string, int, int>> openings;
        for (const PortSettings& s : port.Openings)
            openings.emplace_back(s.DevicePath, s.Handshaking, s.StopBits);
        return openings;
    }
};

TEST_F(SettingsSearchTest, TriesEveryPortWithStopBitsThenHandshakingAndKeepsWhatWorked) {
    RadioOnSecondCable("RB516", 2, 1);
    Read();

    std::vector<std::tuple<std::string, int, int>> expected{{kCable, 0, 1}, {kCable, 0, 1}};
    for (int stopBits = 1; stopBits <= 2; ++stopBits) {
        for (int handshaking = 0; handshaking <= 3; ++handshaking)
            expected.emplace_back(kCable, handshaking, stopBits);
    }
    for (int handshaking = 0; handshaking <= 3; ++handshaking)
        expected.emplace_back(kSecondCable, handshaking, 1);
    expected.emplace_back(kSecondCable, 0, 2);
    expected.emplace_back(kSecondCable, 1, 2);
    EXPECT_EQ(Openings(), expected);

    // Four "PROGRAM" before the search and four for each of the 13 settings without an answer.
    const std::vector<std::string> requests = Requests();
    EXPECT_EQ(std::count(requests.begin(), requests.end(), "PROGRAM"), 4 + 13 * 4 + 1);
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
    EXPECT_EQ(state.Link.PortNumber, 2);
    EXPECT_EQ(SavedSetting("comPort"), "2");
    EXPECT_EQ(SavedSetting("Handshaking"), "1");
    EXPECT_EQ(SavedSetting("StopBit"), "2");
    EXPECT_EQ(shell.PortStatus, std::vector<std::string>{GetLanguageText(state, 12008) + "2"});
    EXPECT_EQ(progress.Captions, (std::vector<std::string>{GetLanguageText(state, 9027), kSearchCaption,
                                                           GetLanguageText(state, 9027)}));
}

TEST_F(SettingsSearchTest, CableWithoutHandshakingLinesNeverKeepsTheSearchWaitingForTheLine) {
    port.ThreeWireCable(kCable);
    RadioOnSecondCable("RB516", 1, 0);
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
    // Under RTS/CTS the requests on the first cable never left; each close dropped them.
    EXPECT_EQ(port.BlockedCloses, 0);
}

TEST_F(SettingsSearchTest, OnlyARadioOfAnotherModelIsTheFallbackAndGetsTheModelMessage) {
    RadioOnSecondCable("RB516G", 1, 2);
    Write();
    EXPECT_EQ(Messages(), (std::vector<int>{9005, 9012}));
    EXPECT_EQ(SavedSetting("comPort"), "2");
    EXPECT_EQ(SavedSetting("Handshaking"), "2");
    EXPECT_EQ(SavedSetting("StopBit"), "1");
    // After the fallback was remembered the search went on to the end of the list.
    EXPECT_EQ(std::get<0>(Openings().back()), kSecondCable);
    EXPECT_TRUE(WriteAddresses().empty());
}

TEST_F(SettingsSearchTest, FirstRadioOfAnotherModelStaysTheFallback) {
    RadioOnSecondCable("RB516G", 1, 2);
    sim::SimConfig other;
    other.ModelCode = "RB516G";
    other.StopBits = 2;
    other.Handshaking = 3;
    sim::SimRadio third(other);
    port.Attach("/dev/ttyUSB2", third);
    enumerator.Devices.push_back("/dev/ttyUSB2");
    Write();
    EXPECT_EQ(Messages(), (std::vector<int>{9005, 9012}));
    // The third cable's radio answered too, and the search then took the second one's settings.
    const auto openings = Openings();
    EXPECT_NE(std::find(openings.begin(), openings.end(), std::make_tuple("/dev/ttyUSB2", 3, 2)),
              openings.end());
    EXPECT_EQ(openings.back(), std::make_tuple(kSecondCable, 2, 1));
    EXPECT_EQ(SavedSetting("comPort"), "2");
    EXPECT_EQ(SavedSetting("Handshaking"), "2");
    EXPECT_EQ(SavedSetting("StopBit"), "1");
}

TEST_F(SettingsSearchTest, FallbackDuringAReadReadsTheOtherModel) {
    RadioOnSecondCable("RB516G", 2, 0);
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9009}));
    EXPECT_EQ(state.Link.PortNumber, 2);
    EXPECT_EQ(state.Link.StopBits, 2);
    time.RunFor(500);
    EXPECT_EQ(state.Model.ModelCode, "RB516G");
}

TEST_F(SettingsSearchTest, TryingAgainAfterAFruitlessSearchUsesTheSettingsFromBefore) {
    port.AddSilentDevice(kSecondCable);
    state.Link.Handshaking = 2;
    state.Link.StopBits = 2;
    prompter.Answer(MsgAnswer::Ok);  // 9004
    prompter.Answer(MsgAnswer::Ok);  // 9008: again
    Engine().ReadFromRadio();
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008, 9008}));
    // Before the question the search had tried COM2 at its last setting; OK opened COM1 as before.
    const auto openings = Openings();
    const std::tuple<std::string, int, int> before{kCable, 2, 2};
    const std::tuple<std::string, int, int> last{kSecondCable, 3, 2};
    ASSERT_EQ(std::count(openings.begin(), openings.end(), last), 2);
    const auto afterFirstSearch = std::find(openings.begin(), openings.end(), last) + 1;
    EXPECT_EQ(*afterFirstSearch, before);
}

TEST_F(SettingsSearchTest, WithoutAnySerialPortTheFailureQuestionComes) {
    enumerator.Devices.clear();
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008}));
    EXPECT_FALSE(progress.IsOpen);
    EXPECT_EQ(state.Transfer.Kind, TransferKind::None);
}

TEST_F(SettingsSearchTest, NothingAnsweringAnywhereEndsInTheFailureQuestion) {
    port.AddSilentDevice(kSecondCable);
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008}));
    EXPECT_EQ(SavedSetting("comPort"), "missing");
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(SettingsSearchTest, FailureQuestionListsWhatTheSearchTried) {
    port.RefuseOpen(kSecondCable);
    Read();
    EXPECT_EQ(Messages(), (std::vector<int>{9004, 9008}));
    const std::string every = "handshaking none, XON/XOFF, RTS/CTS, RTS/CTS and XON/XOFF";
    EXPECT_EQ(LastPromptText(), GetLanguageText(state, 9008) +
                                    "\r\n\r\nTried without an answer from the radio:"
                                    "\r\nCOM1 (/dev/ttyUSB0): 1 stop bit(s), " +
                                    every + "\r\nCOM1 (/dev/ttyUSB0): 2 stop bit(s), " + every +
                                    "\r\nCOM2 (/dev/ttyUSB1): The device /dev/ttyUSB1 is in use by another "
                                    "program. Close that program and try again.");
}

TEST_F(SettingsSearchTest, WriteProtectedRadioFoundBySearchIsRefusedToo) {
    RadioOnSecondCable("RB516", 1, 0, 0x08);
    Write();
    EXPECT_EQ(Messages(), (std::vector<int>{9005, 9031}));
    EXPECT_TRUE(WriteAddresses().empty());
}

}  // namespace
}  // namespace mox::test
