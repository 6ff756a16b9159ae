#include "exchange/DataDiff.h"

#include "ExchangeFixture.h"

namespace mox::test {
namespace {

class DataDiffTest : public ExchangeFixture {
protected:
    std::vector<std::string> Diff() const {
        return DiffDataFiles({data, companion}, {other, otherCompanion});
    }

    RadioData other;
    CompanionRecord companion;
    CompanionRecord otherCompanion;
};

TEST_F(DataDiffTest, IdenticalDataGiveNoLine) {
    Add(data, 1, "435.12500");
    other = data;
    EXPECT_TRUE(Diff().empty());
}

TEST_F(DataDiffTest, OneChangedFieldOneAddedChannelAndOneSettingEachGiveTheirLine) {
    Add(data, 1, "435.12500").RxTone = 1;
    Add(data, 2, "440.00000");
    other = data;
    FindChannel(other.Channels, 1)->RxTone = 3;
    FindChannel(other.Channels, 1)->TxPower = 0;
    Add(other, 17, "446.00625", "-5").TxTone = 167;
    DeleteChannelByNumber(other.Channels, 2);
    other.Functions.Scan.ScanMode = 2;
    otherCompanion.AlarmMode = 0;
    EXPECT_EQ(Diff(),
              (std::vector<std::string>{
                  "channel 1 RxTone: 67.0 -> 71.9",
                  "channel 1 TxPower: High -> Low",
                  "channel 2 removed: RxFrequency 440.00000, TxFrequency 440.00000, RxTone Off, TxTone Off, "
                  "TxPower High, Spacing 12.5 kHz, ScanSkip Add, OptionalSignalling Off, BusyLock 0, "
                  "PttId 0, ReverseOrTalkaround 0, VoiceScramble 0, TxInhibit 0, Talkaround 0, Reverse 0, "
                  "Whisper 0, Compander 0, SignallingRelation 0, AutoDial1 0, AutoDial2 0",
                  "channel 17 added: RxFrequency 446.00625, TxFrequency 441.00625, RxTone Off, TxTone 017I, "
                  "TxPower High, Spacing 12.5 kHz, ScanSkip Add, OptionalSignalling Off, BusyLock 0, "
                  "PttId 0, ReverseOrTalkaround 0, VoiceScramble 0, TxInhibit 0, Talkaround 0, Reverse 0, "
                  "Whisper 0, Compander 0, SignallingRelation 0, AutoDial1 0, AutoDial2 0",
                  "AlertSettings.AlarmMode: 1 -> 0",
                  "ScanSettings.ScanMode: 0 -> 2",
              }));
}

TEST_F(DataDiffTest, TextsShowEmptyAsTwoQuotes) {
    SetFixedText(other.Functions.Message.Lines[1], "HELLO");
    EXPECT_EQ(Diff(), (std::vector<std::string>{"EmbeddedMessage[2]: \"\" -> HELLO"}));
}

}  // namespace
}  // namespace mox::test
