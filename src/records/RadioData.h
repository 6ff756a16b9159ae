#pragma once

// The program's records of the radio configuration, field for field in record order. The same order
// is the layout of a data file; the radio image holds the same values packed differently.

#include <array>
#include <cstdint>

#include "services/FixedText.h"

namespace mox {

constexpr int kChannelCapacity = 128;
constexpr int kGroupCount = 8;
constexpr int kPositionsPerGroup = 16;

struct ChannelRecord {
    std::int16_t Number = 0;
    std::int16_t IsEmpty = 0;
    FixedText<8> RxDigits{};
    std::uint8_t ShiftDirection = 0;  // 0 none, 1 minus, 2 plus
    FixedText<7> ShiftDigits{};       // two MHz digits and five decimals; NULs when never set
    std::int16_t RxTone = 0;
    std::int16_t TxTone = 0;
    std::int16_t RxStepClass = 0;
    std::int16_t TxStepClass = 0;
    std::int16_t TxInhibit = 0;
    std::int16_t ReverseOrTalkaround = 0;
    std::int16_t VoiceScramble = 0;
    std::int16_t BusyLock = 0;
    std::int16_t Talkaround = 0;
    std::int16_t SignallingRelation = 0;
    std::int16_t Whisper = 0;
    std::int16_t PttId = 0;
    std::int16_t Spacing = 0;
    std::int16_t OptionalSignalling = 0;
    std::int16_t Compander = 0;
    std::int16_t Reverse = 0;
    std::int16_t TxPower = 0;
    std::int16_t AutoDial1 = 0;
    std::int16_t AutoDial2 = 0;
    std::int16_t ScanSkip = 0;

    bool operator==(const ChannelRecord&) const = default;
};

// A channel is found by its Number; the array order carries no meaning.
struct ChannelTable {
    std::int16_t Count = 0;
    std::array<ChannelRecord, kChannelCapacity> Records{};

    bool operator==(const ChannelTable&) const = default;
};

struct FmPreset {
    std::int16_t PresetEmpty = 1;  // 1 = no frequency
    FixedText<8> FmDigits{};

    bool operator==(const FmPreset&) const = default;
};

// One test-frequency pair; image bytes 0..3 hold Second, bytes 4..7 hold First.
struct TestFrequencyPair {
    FixedText<8> First{};
    FixedText<8> Second{};

    bool operator==(const TestFrequencyPair&) const = default;
};

struct ModelRecord {
    FixedText<7> ModelCode{};
    std::int16_t BandCode = 0;

    bool operator==(const ModelRecord&) const = default;
};

struct OptionSettings {
    std::int16_t SquelchLevel = 0;
    std::int16_t VoicePrompt = 1;
    std::int16_t VoiceVolume = 0;
    std::int16_t TailEliminationMode = 3;
    std::int16_t BatterySave = 0;
    std::int16_t VoxEnable = 0;
    std::int16_t VoxTone = 0;
    std::int16_t ChannelLock = 0;
    std::int16_t GroupSelect = 0;
    std::int16_t TotPreAlert = 0;
    std::int16_t WiredClone = 0;
    std::int16_t TailEliminationNoSignalling = 0;
    std::int16_t TimeOutTimer = 0;
    std::int16_t TotRekeyTime = 0;
    std::int16_t TotResetTime = 0;
    std::int16_t VoxSensitivity = 0;
    std::int16_t VoxDelay = 0;
    std::int16_t ChannelGroup = 0;

    bool operator==(const OptionSettings&) const = default;
};

struct DtmfCode {
    std::int16_t Count = 0;  // 0..16 digits
    FixedText<16> Digits{};  // "0".."9", "A".."D", "*", "#"

    bool operator==(const DtmfCode&) const = default;
};

struct DtmfSettings {
    std::int16_t DtmfRate = 0;
    std::int16_t FirstDigitTime = 0;
    std::int16_t FirstDigitDelay = 0;
    std::int16_t StarHashTime = 0;
    std::int16_t DKeySetting = 0;
    std::int16_t Sidetone = 0;
    std::int16_t CallAlert = 0;
    std::int16_t GroupCode = 0;
    std::int16_t AutoResetTimer = 0;
    FixedText<10> IdCode{};
    std::int16_t IdLength = 3;
    DtmfCode BotCode;
    DtmfCode EotCode;
    DtmfCode StunCode;
    DtmfCode KillCode;
    std::array<DtmfCode, 16> AutoDial{};

    bool operator==(const DtmfSettings&) const = default;
};

struct EmbeddedMessage {
    std::array<FixedText<16>, 4> Lines{};

    bool operator==(const EmbeddedMessage&) const = default;
};

struct KeySettings {
    std::int16_t LongPressTime = 10;
    std::int16_t EmergencyLongPressTime = 10;
    std::int16_t Pf1Long = 0;
    std::int16_t Pf1Short = 0;
    std::int16_t Pf2Long = 0;
    std::int16_t Pf2Short = 0;

    bool operator==(const KeySettings&) const = default;
};

struct AlertSettings {
    std::uint8_t EmergencyAlarm = 0;
    std::uint8_t EmergencyIdType = 0;
    std::uint8_t EmergencyIdMemory = 0;
    std::uint8_t AlarmTime = 0;
    std::uint8_t AlarmTxTime = 0;
    std::uint8_t AlarmRxTime = 0;
    std::uint8_t ChannelSelect = 0;
    std::uint8_t EmergencyGroup = 0;
    std::uint8_t EmergencyChannel = 0;
    std::uint8_t AlarmCycle = 0;

    bool operator==(const AlertSettings&) const = default;
};

struct ScanSettings {
    std::uint8_t ScanMode = 0;
    std::uint8_t PriorityMode = 0;
    std::uint8_t ReturnChannel = 0;
    std::uint8_t LookBackA = 0;
    std::uint8_t LookBackB = 0;
    std::uint8_t RxResumeDelay = 0;
    std::uint8_t TxResumeDelay = 0;
    std::uint8_t ScanEntryTone = 0;
    std::uint8_t Priority1Group = 0;
    std::uint8_t Priority1Channel = 0;
    std::uint8_t Priority2Group = 0;
    std::uint8_t Priority2Channel = 0;

    bool operator==(const ScanSettings&) const = default;
};

struct FunctionSettings {
    OptionSettings Options;
    DtmfSettings Dtmf;
    EmbeddedMessage Message;
    KeySettings Keys;
    AlertSettings Alert;
    ScanSettings Scan;
    std::int16_t ResetProhibit = 0;

    bool operator==(const FunctionSettings&) const = default;
};

// The companion record of a data file: its format tag and the one alert field kept outside
// FunctionSettings.
struct CompanionRecord {
    FixedText<4> Tag{'V', '2', '0', '0'};
    std::uint8_t AlarmMode = 1;

    bool operator==(const CompanionRecord&) const = default;
};

struct RadioData {
    FixedText<4> FormatTag{'V', '2', '0', '0'};
    ChannelTable Channels;
    std::array<FmPreset, 20> FmPresets{};
    std::array<TestFrequencyPair, 11> TestFrequencies{};
    ModelRecord Model;
    FunctionSettings Functions;

    bool operator==(const RadioData&) const = default;
};

// Image test-frequency pairs 11..15: written to and read from the radio, never kept in data files.
using FivePointPairs = std::array<TestFrequencyPair, 5>;

}  // namespace mox
