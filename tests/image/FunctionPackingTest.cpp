#include <gmock/gmock.h>

#include <functional>
#include <map>
#include <type_traits>

#include "image/FunctionPacking.h"
#include "image/ImageFixture.h"

namespace mox::test {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

class FunctionPacking : public ImageFixture {
protected:
    FunctionPacking() { ResetFunctionSettings(state.Data.Functions); }

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

// Where each function setting lands in the image. A round trip cannot see two fields that trade places
// on both sides at once (two nibbles of one byte, two neighbouring addresses), so each field is set
// alone, by name, and must change exactly the bytes listed for it, and unpacking those bytes must give
// back that field alone.
struct Placement {
    const char* Name;
    std::function<void(AppState&)> Set;
    std::map<int, int> Bytes;  // address -> the byte it must hold
};

// One field of a group of FunctionSettings (Options, Dtmf, Keys, Alert, Scan) set to `value`.
template <auto Group, auto Field>
std::function<void(AppState&)> Setting(int value) {
    return [value](AppState& s) {
        auto& field = (s.Data.Functions.*Group).*Field;
        field = static_cast<std::remove_reference_t<decltype(field)>>(value);
    };
}

using F = FunctionSettings;
using O = OptionSettings;
using D = DtmfSettings;
using K = KeySettings;
using A = AlertSettings;
using S = ScanSettings;

std::function<void(AppState&)> Code(DtmfCode D::*code, int count, const std::string& digits) {
    return [=](AppState& s) {
        DtmfCode& c = s.Data.Functions.Dtmf.*code;
        c.Count = static_cast<std::int16_t>(count);
        SetFixedText(c.Digits, digits);
    };
}

std::map<int, int> Consecutive(int address, const std::vector<int>& bytes) {
    std::map<int, int> placed;
    for (int byte : bytes)
        placed[address++] = byte;
    return placed;
}

std::vector<Placement> FunctionSettingPlacements() {
    std::vector<Placement> placements = {
        {"SquelchLevel", Setting<&F::Options, &O::SquelchLevel>(9), {{2096, 0x90}}},
        {"VoicePrompt", Setting<&F::Options, &O::VoicePrompt>(2), {{2097, 0x80}}},
        {"VoiceVolume", Setting<&F::Options, &O::VoiceVolume>(5), {{2097, 0x28}}},
        {"WiredClone", Setting<&F::Options, &O::WiredClone>(1), {{2097, 0x04}}},
        {"BatterySave", Setting<&F::Options, &O::BatterySave>(2), {{2097, 0x02}}},
        {"VoxEnable", Setting<&F::Options, &O::VoxEnable>(1), {{2098, 0x80}}},
        {"VoxTone", Setting<&F::Options, &O::VoxTone>(1), {{2098, 0x40}}},
        {"ChannelLock", Setting<&F::Options, &O::ChannelLock>(1), {{2098, 0x20}}},
        {"GroupSelect", Setting<&F::Options, &O::GroupSelect>(1), {{2098, 0x10}}},
        {"TotPreAlert", Setting<&F::Options, &O::TotPreAlert>(9), {{2098, 0x09}}},
        {"TailEliminationMode", Setting<&F::Options, &O::TailEliminationMode>(2), {{2099, 0x80}}},
        {"TailEliminationNoSignalling",
         Setting<&F::Options, &O::TailEliminationNoSignalling>(1),
         {{2099, 0x20}}},
        {"ResetProhibit", [](AppState& s) { s.Data.Functions.ResetProhibit = 1; }, {{2099, 0x10}}},
        {"TimeOutTimer", Setting<&F::Options, &O::TimeOutTimer>(45), {{2100, 45}}},
        {"TotRekeyTime", Setting<&F::Options, &O::TotRekeyTime>(3), {{2101, 3}}},
        {"TotResetTime", Setting<&F::Options, &O::TotResetTime>(4), {{2102, 4}}},
        {"VoxDelay", Setting<&F::Options, &O::VoxDelay>(1), {{2103, 0x10}}},
        {"VoxSensitivity", Setting<&F::Options, &O::VoxSensitivity>(2), {{2103, 0x02}}},
        {"ChannelGroup", Setting<&F::Options, &O::ChannelGroup>(8), {{2104, 8}}},

        {"LongPressTime", Setting<&F::Keys, &K::LongPressTime>(12), {{2106, 12}}},
        {"EmergencyLongPressTime", Setting<&F::Keys, &K::EmergencyLongPressTime>(15), {{2107, 15}}},
        {"Pf1Long", Setting<&F::Keys, &K::Pf1Long>(5), {{2108, 5}}},
        {"Pf1Short", Setting<&F::Keys, &K::Pf1Short>(7), {{2109, 7}}},
        {"Pf2Long", Setting<&F::Keys, &K::Pf2Long>(9), {{2110, 9}}},
        {"Pf2Short", Setting<&F::Keys, &K::Pf2Short>(22), {{2111, 22}}},

        {"ScanMode", Setting<&F::Scan, &S::ScanMode>(1), {{2112, 0x80}}},
        {"ScanEntryTone", Setting<&F::Scan, &S::ScanEntryTone>(1), {{2112, 0x40}}},
        {"PriorityMode", Setting<&F::Scan, &S::PriorityMode>(2), {{2112, 0x20}}},
        {"ReturnChannel", Setting<&F::Scan, &S::ReturnChannel>(5), {{2112, 0x05}}},
        {"Priority1Group", Setting<&F::Scan, &S::Priority1Group>(2), {{2113, 2}}},
        {"Priority1Channel", Setting<&F::Scan, &S::Priority1Channel>(14), {{2114, 14}}},
        {"Priority2Group", Setting<&F::Scan, &S::Priority2Group>(8), {{2115, 8}}},
        {"Priority2Channel", Setting<&F::Scan, &S::Priority2Channel>(16), {{2116, 16}}},
        {"LookBackA", Setting<&F::Scan, &S::LookBackA>(3), {{2117, 3}}},
        {"LookBackB", Setting<&F::Scan, &S::LookBackB>(6), {{2118, 6}}},
        {"RxResumeDelay", Setting<&F::Scan, &S::RxResumeDelay>(9), {{2119, 9}}},
        {"TxResumeDelay", Setting<&F::Scan, &S::TxResumeDelay>(11), {{2120, 11}}},

        {"DtmfRate", Setting<&F::Dtmf, &D::DtmfRate>(2), {{2121, 2}}},
        {"FirstDigitTime", Setting<&F::Dtmf, &D::FirstDigitTime>(4), {{2122, 4}}},
        {"FirstDigitDelay", Setting<&F::Dtmf, &D::FirstDigitDelay>(6), {{2123, 6}}},
        {"StarHashTime", Setting<&F::Dtmf, &D::StarHashTime>(8), {{2124, 8}}},
        {"DKeySetting", Setting<&F::Dtmf, &D::DKeySetting>(3), {{2125, 3}}},
        {"Sidetone", Setting<&F::Dtmf, &D::Sidetone>(1), {{2126, 0x80}}},
        {"CallAlert", Setting<&F::Dtmf, &D::CallAlert>(2), {{2126, 0x20}}},
        {"GroupCode", Setting<&F::Dtmf, &D::GroupCode>(14), {{2127, 14}}},
        {"AutoResetTimer", Setting<&F::Dtmf, &D::AutoResetTimer>(7), {{2128, 7}}},

        {"AlarmMode", [](AppState& s) { s.Companion.AlarmMode = 1; }, {{2129, 0x10}}},
        {"ChannelSelect", Setting<&F::Alert, &A::ChannelSelect>(1), {{2129, 0x08}}},
        {"EmergencyIdType", Setting<&F::Alert, &A::EmergencyIdType>(1), {{2129, 0x04}}},
        {"EmergencyAlarm", Setting<&F::Alert, &A::EmergencyAlarm>(2), {{2129, 0x02}}},
        {"EmergencyGroup", Setting<&F::Alert, &A::EmergencyGroup>(3), {{2130, 3}}},
        {"EmergencyChannel", Setting<&F::Alert, &A::EmergencyChannel>(12), {{2131, 12}}},
        {"EmergencyIdMemory", Setting<&F::Alert, &A::EmergencyIdMemory>(16), {{2132, 16}}},
        {"AlarmTime", Setting<&F::Alert, &A::AlarmTime>(5), {{2133, 5}}},
        {"AlarmTxTime", Setting<&F::Alert, &A::AlarmTxTime>(10), {{2134, 10}}},
        {"AlarmRxTime", Setting<&F::Alert, &A::AlarmRxTime>(20), {{2135, 20}}},
        {"AlarmCycle", Setting<&F::Alert, &A::AlarmCycle>(4), {{2136, 4}}},

        {"IdCode",
         [](AppState& s) {
             SetFixedText(s.Data.Functions.Dtmf.IdCode, "1234567890");
             s.Data.Functions.Dtmf.IdLength = 10;
         },
         {{2144, 0x12}, {2145, 0x34}, {2146, 0x56}, {2147, 0x78}, {2148, 0x90}, {2152, 10}}},
        {"BotCode", Code(&D::BotCode, 16, "1234567890ABCD*#"),
         Consecutive(2240, {0x12, 0x34, 0x56, 0x78, 0x90, 0xAB, 0xCD, 0xEF, 16})},
        {"EotCode", Code(&D::EotCode, 3, "1*#"), {{2256, 0x1E}, {2257, 0xF0}, {2264, 3}}},
        {"StunCode", Code(&D::StunCode, 2, "98"), {{2272, 0x98}, {2280, 2}}},
        {"KillCode", Code(&D::KillCode, 1, "7"), {{2288, 0x70}, {2296, 1}}},
    };
    for (int m = 1; m <= 16; ++m) {
        const int slot = 2304 + 16 * (m - 1);
        placements.push_back({"AutoDial",
                              [m](AppState& s) {
                                  DtmfCode& code = s.Data.Functions.Dtmf.AutoDial[m - 1];
                                  code.Count = 2;
                                  SetFixedText(code.Digits, "5" + std::string(1, "0123456789ABCD*#"[m - 1]));
                              },
                              {{slot, 0x50 + m - 1}, {slot + 8, 2}}});
    }
    for (int line = 0; line < 4; ++line) {
        const std::string text = "LINE" + std::to_string(line) + " OF MESSAGE";
        placements.push_back({"Message",
                              [=](AppState& s) { SetFixedText(s.Data.Functions.Message.Lines[line], text); },
                              Consecutive(2688 + 16 * line, std::vector<int>(text.begin(), text.end()))});
    }
    return placements;
}

// Every setting at zero (the DTMF ID at its shortest), so that each field alone makes its bits.
class FunctionSettingsLayout : public FunctionPacking {
protected:
    FunctionSettingsLayout() {
        OptionSettings& options = state.Data.Functions.Options;
        options.VoicePrompt = 0;
        options.TailEliminationMode = 0;
        state.Data.Functions.Keys = {0, 0, 0, 0, 0, 0};
        state.Companion.AlarmMode = 0;
        // Settled as unpacking leaves the texts, so that unpacking can be compared field for field.
        PackFunctionSettings(state);
        UnpackFunctionSettings(state);
        PackFunctionSettings(state);
        zeroImage = state.Image;
        zeroSettings = state.Data.Functions;
    }

    // The addresses whose byte differs from the image of zero settings, with their bytes.
    std::map<int, int> ChangedBytes() const {
        std::map<int, int> changed;
        for (std::size_t a = 0; a < state.Image.size(); ++a) {
            if (state.Image[a] != zeroImage[a])
                changed[static_cast<int>(a)] = state.Image[a];
        }
        return changed;
    }

    RadioImage zeroImage{};
    FunctionSettings zeroSettings;
};

TEST_F(FunctionSettingsLayout, EachFieldFillsOnlyItsOwnBitsAndReadsBackFromThem) {
    for (const Placement& placement : FunctionSettingPlacements()) {
        SCOPED_TRACE(placement.Name);
        state.Data.Functions = zeroSettings;
        state.Companion.AlarmMode = 0;
        placement.Set(state);
        const FunctionSettings expected = state.Data.Functions;
        const int expectedAlarmMode = state.Companion.AlarmMode;

        PackFunctionSettings(state);
        EXPECT_EQ(ChangedBytes(), placement.Bytes);

        state.Data.Functions = zeroSettings;
        state.Companion.AlarmMode = 0;
        UnpackFunctionSettings(state);
        EXPECT_EQ(state.Data.Functions, expected);
        EXPECT_EQ(state.Companion.AlarmMode, expectedAlarmMode);
        state.Image = zeroImage;
    }
}

}  // namespace
}  // namespace mox::test
