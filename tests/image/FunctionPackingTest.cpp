#include <gmock/gmock.h>

#include "image/FunctionPacking.h"
#include "image/ImageFixture.h"

namespace mox::test {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

class FunctionPacking : public ImageFixture {
protected:
    FunctionPacking() { ResetFunctionSettings(state); }

    DtmfSettings& Dtmf() { return state.Data.Functions.Dtmf; }

    static DtmfCode Code(int count, const std::string& digits) {
        DtmfCode code;
        code.Count = static_cast<std::int16_t>(count);
        SetFixedText(code.Digits, digits);
        return code;
    }
};

TEST_F(FunctionPacking, DefaultSettingsGiveTheRadiosDefaults) {
    PackFunctionSettings(state);
    EXPECT_EQ(state.Image[2097], 0x40);
    EXPECT_EQ(state.Image[2099], 0xC0);
    EXPECT_EQ(state.Image[2106], 0x0A);
    EXPECT_EQ(state.Image[2107], 0x0A);
    EXPECT_EQ(state.Image[2152], 3);
    EXPECT_THAT(Bytes(2144, 5), Each(0x00));
    EXPECT_EQ(state.Image[2129], 0x10);  // AlarmMode 1 of new data
}

TEST_F(FunctionPacking, IdCodeIsPaddedToTenDigitsAndABadLengthPacksAsThree) {
    SetFixedText(Dtmf().IdCode, "123");
    PackFunctionSettings(state);
    EXPECT_THAT(Bytes(2144, 5), ElementsAre(0x12, 0x30, 0x00, 0x00, 0x00));
    UnpackFunctionSettings(state);
    EXPECT_EQ(CutFixedText(Dtmf().IdCode), "123");

    SetFixedText(Dtmf().IdCode, "12345");
    Dtmf().IdLength = 12;
    PackFunctionSettings(state);
    EXPECT_EQ(state.Image[2152], 3);
    EXPECT_THAT(Bytes(2144, 5), ElementsAre(0x12, 0x30, 0x00, 0x00, 0x00));
    EXPECT_EQ(Dtmf().IdLength, 12);
}

TEST_F(FunctionPacking, CodesPackTwoDigitsPerByteWithStarAndHashAsEAndF) {
    Dtmf().BotCode = Code(4, "12*#");
    Dtmf().AutoDial[15] = Code(3, "123");
    // Digits beyond the count never reach the radio.
    Dtmf().KillCode = Code(3, "1234");
    PackFunctionSettings(state);
    EXPECT_THAT(Bytes(2240, 16), ElementsAre(0x12, 0xEF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 4, 0xFF, 0xFF,
                                             0xFF, 0xFF, 0xFF, 0xFF, 0xFF));
    EXPECT_THAT(Bytes(2544, 3), ElementsAre(0x12, 0x30, 0xFF));
    EXPECT_EQ(state.Image[2552], 3);
    EXPECT_THAT(Bytes(2288, 2), ElementsAre(0x12, 0x30));

    state.Image[2256 + 8] = 0xFF;
    UnpackFunctionSettings(state);
    EXPECT_EQ(Dtmf().BotCode.Count, 4);
    EXPECT_EQ(CutFixedText(Dtmf().BotCode.Digits), "12*#");
    EXPECT_EQ(CutFixedText(Dtmf().AutoDial[15].Digits), "123");
    EXPECT_EQ(Dtmf().EotCode.Count, 0);
    EXPECT_EQ(CutFixedText(Dtmf().EotCode.Digits), "");
}

TEST_F(FunctionPacking, MessageLinesAreNulPaddedAndEndAtNulOrErased) {
    SetFixedText(state.Data.Functions.Message.Lines[1], "HELLO");
    PackFunctionSettings(state);
    EXPECT_THAT(Bytes(2704, 16), ElementsAre('H', 'E', 'L', 'L', 'O', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    state.Image[2706] = 0xFF;
    UnpackFunctionSettings(state);
    EXPECT_EQ(CutFixedText(state.Data.Functions.Message.Lines[1]), "HE");
}

TEST_F(FunctionPacking, SharedBytesKeepEachFieldInItsBits) {
    OptionSettings& options = state.Data.Functions.Options;
    options.VoiceVolume = 7;
    options.WiredClone = 1;
    options.BatterySave = 2;
    state.Data.Functions.ResetProhibit = 3;  // damaged: must not reach bit 5
    state.Data.Functions.Alert.ChannelSelect = 1;
    state.Data.Functions.Alert.EmergencyAlarm = 3;
    state.Data.Functions.Dtmf.GroupCode = 6;
    PackFunctionSettings(state);
    EXPECT_EQ(state.Image[2097], 0x7E);
    EXPECT_EQ(state.Image[2099], 0xD0);
    EXPECT_EQ(state.Image[2129], 0x1B);

    state.Image[2127] = 0xF5;
    UnpackFunctionSettings(state);
    EXPECT_EQ(state.Data.Functions.Dtmf.GroupCode, 5);
    EXPECT_EQ(state.Data.Functions.ResetProhibit, 1);
    EXPECT_EQ(options.VoiceVolume, 7);
}

}  // namespace
}  // namespace mox::test
