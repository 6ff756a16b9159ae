#include "files/DataFileLayout.h"

#include <cstddef>
#include <cstring>
#include <type_traits>

namespace mox {

namespace {

static_assert(std::is_standard_layout_v<RadioData>, "the file table addresses RadioData by byte offsets");

using Type = FileFieldType;

// A field of one record type: its offset in the record's file form, its size there, its type and its
// place in the record.
struct RecordField {
    std::size_t Offset;
    std::size_t Size;
    Type Kind;
    std::size_t Member;
};

constexpr RecordField Int16At(std::size_t offset, std::size_t member) {
    return {offset, 2, Type::Int16, member};
}
constexpr RecordField ByteAt(std::size_t offset, std::size_t member) {
    return {offset, 1, Type::Byte, member};
}
constexpr RecordField TextAt(std::size_t offset, std::size_t size, std::size_t member) {
    return {offset, size, Type::Text, member};
}

constexpr std::size_t kChannelRecordSize = 60;
constexpr RecordField kChannelFields[] = {
    Int16At(0, offsetof(ChannelRecord, Number)),
    Int16At(2, offsetof(ChannelRecord, IsEmpty)),
    TextAt(4, 8, offsetof(ChannelRecord, RxDigits)),
    ByteAt(12, offsetof(ChannelRecord, ShiftDirection)),
    TextAt(13, 7, offsetof(ChannelRecord, ShiftDigits)),
    Int16At(20, offsetof(ChannelRecord, RxTone)),
    Int16At(22, offsetof(ChannelRecord, TxTone)),
    Int16At(24, offsetof(ChannelRecord, RxStepClass)),
    Int16At(26, offsetof(ChannelRecord, TxStepClass)),
    Int16At(28, offsetof(ChannelRecord, TxInhibit)),
    Int16At(30, offsetof(ChannelRecord, ReverseOrTalkaround)),
    Int16At(32, offsetof(ChannelRecord, VoiceScramble)),
    Int16At(34, offsetof(ChannelRecord, BusyLock)),
    Int16At(36, offsetof(ChannelRecord, Talkaround)),
    Int16At(38, offsetof(ChannelRecord, SignallingRelation)),
    Int16At(40, offsetof(ChannelRecord, Whisper)),
    Int16At(42, offsetof(ChannelRecord, PttId)),
    Int16At(44, offsetof(ChannelRecord, Spacing)),
    Int16At(46, offsetof(ChannelRecord, OptionalSignalling)),
    Int16At(48, offsetof(ChannelRecord, Compander)),
    Int16At(50, offsetof(ChannelRecord, Reverse)),
    Int16At(52, offsetof(ChannelRecord, TxPower)),
    Int16At(54, offsetof(ChannelRecord, AutoDial1)),
    Int16At(56, offsetof(ChannelRecord, AutoDial2)),
    Int16At(58, offsetof(ChannelRecord, ScanSkip)),
};

constexpr RecordField kFmPresetFields[] = {
    Int16At(0, offsetof(FmPreset, PresetEmpty)),
    TextAt(2, 8, offsetof(FmPreset, FmDigits)),
};

constexpr RecordField kTestPairFields[] = {
    TextAt(0, 8, offsetof(TestFrequencyPair, First)),
    TextAt(8, 8, offsetof(TestFrequencyPair, Second)),
};

constexpr RecordField kModelFields[] = {
    TextAt(0, 7, offsetof(ModelRecord, ModelCode)),
    Int16At(7, offsetof(ModelRecord, BandCode)),
};

constexpr RecordField kOptionFields[] = {
    Int16At(0, offsetof(OptionSettings, SquelchLevel)),
    Int16At(2, offsetof(OptionSettings, VoicePrompt)),
    Int16At(4, offsetof(OptionSettings, VoiceVolume)),
    Int16At(6, offsetof(OptionSettings, TailEliminationMode)),
    Int16At(8, offsetof(OptionSettings, BatterySave)),
    Int16At(10, offsetof(OptionSettings, VoxEnable)),
    Int16At(12, offsetof(OptionSettings, VoxTone)),
    Int16At(14, offsetof(OptionSettings, ChannelLock)),
    Int16At(16, offsetof(OptionSettings, GroupSelect)),
    Int16At(18, offsetof(OptionSettings, TotPreAlert)),
    Int16At(20, offsetof(OptionSettings, WiredClone)),
    Int16At(22, offsetof(OptionSettings, TailEliminationNoSignalling)),
    Int16At(24, offsetof(OptionSettings, TimeOutTimer)),
    Int16At(26, offsetof(OptionSettings, TotRekeyTime)),
    Int16At(28, offsetof(OptionSettings, TotResetTime)),
    Int16At(30, offsetof(OptionSettings, VoxSensitivity)),
    Int16At(32, offsetof(OptionSettings, VoxDelay)),
    Int16At(34, offsetof(OptionSettings, ChannelGroup)),
};

// The DTMF timing fields, the ID code and its length (the codes follow as DtmfCode records).
constexpr RecordField kDtmfFields[] = {
    Int16At(0, offsetof(DtmfSettings, DtmfRate)),        Int16At(2, offsetof(DtmfSettings, FirstDigitTime)),
    Int16At(4, offsetof(DtmfSettings, FirstDigitDelay)), Int16At(6, offsetof(DtmfSettings, StarHashTime)),
    Int16At(8, offsetof(DtmfSettings, DKeySetting)),     Int16At(10, offsetof(DtmfSettings, Sidetone)),
    Int16At(12, offsetof(DtmfSettings, CallAlert)),      Int16At(14, offsetof(DtmfSettings, GroupCode)),
    Int16At(16, offsetof(DtmfSettings, AutoResetTimer)), TextAt(18, 10, offsetof(DtmfSettings, IdCode)),
    Int16At(28, offsetof(DtmfSettings, IdLength)),
};

constexpr std::size_t kDtmfCodeSize = 18;
constexpr RecordField kDtmfCodeFields[] = {
    Int16At(0, offsetof(DtmfCode, Count)),
    TextAt(2, 16, offsetof(DtmfCode, Digits)),
};

constexpr RecordField kKeyFields[] = {
    Int16At(0, offsetof(KeySettings, LongPressTime)),
    Int16At(2, offsetof(KeySettings, EmergencyLongPressTime)),
    Int16At(4, offsetof(KeySettings, Pf1Long)),
    Int16At(6, offsetof(KeySettings, Pf1Short)),
    Int16At(8, offsetof(KeySettings, Pf2Long)),
    Int16At(10, offsetof(KeySettings, Pf2Short)),
};

constexpr RecordField kAlertFields[] = {
    ByteAt(0, offsetof(AlertSettings, EmergencyAlarm)),
    ByteAt(1, offsetof(AlertSettings, EmergencyIdType)),
    ByteAt(2, offsetof(AlertSettings, EmergencyIdMemory)),
    ByteAt(3, offsetof(AlertSettings, AlarmTime)),
    ByteAt(4, offsetof(AlertSettings, AlarmTxTime)),
    ByteAt(5, offsetof(AlertSettings, AlarmRxTime)),
    ByteAt(6, offsetof(AlertSettings, ChannelSelect)),
    ByteAt(7, offsetof(AlertSettings, EmergencyGroup)),
    ByteAt(8, offsetof(AlertSettings, EmergencyChannel)),
    ByteAt(9, offsetof(AlertSettings, AlarmCycle)),
};

constexpr RecordField kScanFields[] = {
    ByteAt(0, offsetof(ScanSettings, ScanMode)),        ByteAt(1, offsetof(ScanSettings, PriorityMode)),
    ByteAt(2, offsetof(ScanSettings, ReturnChannel)),   ByteAt(3, offsetof(ScanSettings, LookBackA)),
    ByteAt(4, offsetof(ScanSettings, LookBackB)),       ByteAt(5, offsetof(ScanSettings, RxResumeDelay)),
    ByteAt(6, offsetof(ScanSettings, TxResumeDelay)),   ByteAt(7, offsetof(ScanSettings, ScanEntryTone)),
    ByteAt(8, offsetof(ScanSettings, Priority1Group)),  ByteAt(9, offsetof(ScanSettings, Priority1Channel)),
    ByteAt(10, offsetof(ScanSettings, Priority2Group)), ByteAt(11, offsetof(ScanSettings, Priority2Channel)),
};

constexpr std::size_t kChannels = offsetof(RadioData, Channels);
constexpr std::size_t kFunctions = offsetof(RadioData, Functions);
constexpr std::size_t kDtmf = kFunctions + offsetof(FunctionSettings, Dtmf);

// Lays the fields of one record, placed at `fileBase` in the file and `memberBase` in RadioData, into
// the flat table.
void Place(std::vector<FileField>& table, std::span<const RecordField> fields, std::size_t fileBase,
           std::size_t memberBase) {
    for (const RecordField& f : fields)
        table.push_back({fileBase + f.Offset, f.Size, f.Kind, memberBase + f.Member});
}

void PlaceChannelTable(std::vector<FileField>& table) {
    table.push_back({4, 2, Type::Int16, kChannels + offsetof(ChannelTable, Count)});
    const std::size_t records = kChannels + offsetof(ChannelTable, Records);
    for (std::size_t i = 0; i < kChannelCapacity; ++i)
        Place(table, kChannelFields, 6 + i * kChannelRecordSize, records + i * sizeof(ChannelRecord));
}

void PlaceFunctionSettings(std::vector<FileField>& table) {
    Place(table, kOptionFields, 8071, kFunctions + offsetof(FunctionSettings, Options));
    Place(table, kDtmfFields, 8107, kDtmf);
    const std::size_t codes[] = {offsetof(DtmfSettings, BotCode), offsetof(DtmfSettings, EotCode),
                                 offsetof(DtmfSettings, StunCode), offsetof(DtmfSettings, KillCode)};
    for (std::size_t i = 0; i < 4; ++i)
        Place(table, kDtmfCodeFields, 8137 + i * kDtmfCodeSize, kDtmf + codes[i]);
    for (std::size_t m = 0; m < 16; ++m)
        Place(table, kDtmfCodeFields, 8209 + m * kDtmfCodeSize,
              kDtmf + offsetof(DtmfSettings, AutoDial) + m * sizeof(DtmfCode));
    const std::size_t lines =
        kFunctions + offsetof(FunctionSettings, Message) + offsetof(EmbeddedMessage, Lines);
    for (std::size_t line = 0; line < 4; ++line)
        table.push_back({8497 + line * 16, 16, Type::Text, lines + line * sizeof(FixedText<16>)});
    Place(table, kKeyFields, 8561, kFunctions + offsetof(FunctionSettings, Keys));
    Place(table, kAlertFields, 8573, kFunctions + offsetof(FunctionSettings, Alert));
    Place(table, kScanFields, 8583, kFunctions + offsetof(FunctionSettings, Scan));
    table.push_back({8595, 2, Type::Int16, kFunctions + offsetof(FunctionSettings, ResetProhibit)});
}

std::vector<FileField> BuildTable() {
    std::vector<FileField> table;
    table.push_back({0, 4, Type::Text, offsetof(RadioData, FormatTag)});
    PlaceChannelTable(table);
    for (std::size_t i = 0; i < 20; ++i)
        Place(table, kFmPresetFields, 7686 + i * 10, offsetof(RadioData, FmPresets) + i * sizeof(FmPreset));
    for (std::size_t i = 0; i < 11; ++i)
        Place(table, kTestPairFields, 7886 + i * 16,
              offsetof(RadioData, TestFrequencies) + i * sizeof(TestFrequencyPair));
    Place(table, kModelFields, 8062, offsetof(RadioData, Model));
    PlaceFunctionSettings(table);
    return table;
}

}  // namespace

const std::vector<FileField>& DataFileFields() {
    static const std::vector<FileField> table = BuildTable();
    return table;
}

std::vector<std::uint8_t> EncodeDataRecord(const RadioData& data) {
    std::vector<std::uint8_t> bytes(kDataFileSize, 0);
    const auto* record = reinterpret_cast<const unsigned char*>(&data);
    for (const FileField& f : DataFileFields()) {
        const unsigned char* member = record + f.Member;
        if (f.Type == Type::Int16) {
            std::int16_t value = 0;
            std::memcpy(&value, member, sizeof value);
            const auto bits = static_cast<std::uint16_t>(value);
            bytes[f.Offset] = static_cast<std::uint8_t>(bits & 0xFF);
            bytes[f.Offset + 1] = static_cast<std::uint8_t>(bits >> 8);
        } else {
            std::memcpy(&bytes[f.Offset], member, f.Size);
        }
    }
    return bytes;
}

void DecodeDataRecord(std::span<const std::uint8_t> bytes, RadioData& data) {
    auto* record = reinterpret_cast<unsigned char*>(&data);
    for (const FileField& f : DataFileFields()) {
        if (f.Offset + f.Size > bytes.size())
            continue;
        unsigned char* member = record + f.Member;
        if (f.Type == Type::Int16) {
            const auto bits = static_cast<std::uint16_t>(bytes[f.Offset] | (bytes[f.Offset + 1] << 8));
            const auto value = static_cast<std::int16_t>(bits);
            std::memcpy(member, &value, sizeof value);
        } else {
            std::memcpy(member, &bytes[f.Offset], f.Size);
        }
    }
}

}  // namespace mox
