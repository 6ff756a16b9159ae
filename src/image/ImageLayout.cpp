#include "image/ImageLayout.h"

#include <array>
#include <type_traits>

namespace mox {

namespace {

template <auto Field>
constexpr BitField<ChannelRecord> Slot(int offset, int shift, int width, bool unpacked = true) {
    using Value = std::remove_reference_t<decltype(ChannelRecord{}.*Field)>;
    return {offset,
            shift,
            width,
            [](const ChannelRecord& r) -> int { return r.*Field; },
            [](ChannelRecord& r, int v) { r.*Field = static_cast<Value>(v); },
            unpacked};
}

// A field of one of the groups of FunctionSettings (Options, Dtmf, Keys, Alert, Scan).
template <auto Group, auto Field>
constexpr BitField<RadioRecords> Setting(int address, int shift, int width) {
    using Value = std::remove_reference_t<decltype((FunctionSettings{}.*Group).*Field)>;
    return {address, shift, width,
            [](const RadioRecords& s) -> int { return (s.Data.Functions.*Group).*Field; },
            [](RadioRecords& s, int v) { (s.Data.Functions.*Group).*Field = static_cast<Value>(v); }};
}

constexpr BitField<RadioRecords> ResetProhibitField(int address, int shift) {
    return {address, shift, 1, [](const RadioRecords& s) -> int { return s.Data.Functions.ResetProhibit; },
            [](RadioRecords& s, int v) { s.Data.Functions.ResetProhibit = static_cast<std::int16_t>(v); }};
}

// AlarmMode is kept in the data file's companion record, not in FunctionSettings.
constexpr BitField<RadioRecords> AlarmModeField(int address, int shift) {
    return {address, shift, 1, [](const RadioRecords& s) -> int { return s.Companion.AlarmMode; },
            [](RadioRecords& s, int v) { s.Companion.AlarmMode = static_cast<std::uint8_t>(v); }};
}

using C = ChannelRecord;

constexpr std::array kChannelSlotFields = {
    Slot<&C::TxInhibit>(10, 6, 1),
    Slot<&C::ReverseOrTalkaround>(10, 5, 1),
    Slot<&C::VoiceScramble>(10, 4, 1),
    Slot<&C::BusyLock>(10, 2, 2),
    Slot<&C::RxStepClass>(10, 0, 2),
    Slot<&C::Talkaround>(11, 6, 1),
    Slot<&C::SignallingRelation>(11, 5, 1),
    Slot<&C::Whisper>(11, 4, 1),
    Slot<&C::PttId>(11, 2, 2),
    Slot<&C::TxStepClass>(11, 0, 2),
    Slot<&C::Spacing>(12, 6, 2),
    Slot<&C::OptionalSignalling>(12, 4, 2),
    Slot<&C::Compander>(12, 3, 1),
    Slot<&C::Reverse>(12, 2, 1),
    Slot<&C::TxPower>(12, 0, 2),
    Slot<&C::AutoDial1>(13, 0, 8),
    Slot<&C::AutoDial2>(14, 0, 8),
    // The radio reads the direction from here; the program takes it from the two frequencies.
    Slot<&C::ShiftDirection>(15, 4, 4, false),
};

using F = FunctionSettings;
using O = OptionSettings;
using D = DtmfSettings;
using K = KeySettings;
using A = AlertSettings;
using S = ScanSettings;

constexpr std::array kFunctionSettingFields = {
    Setting<&F::Options, &O::SquelchLevel>(2096, 4, 4),
    Setting<&F::Options, &O::VoicePrompt>(2097, 6, 2),
    Setting<&F::Options, &O::VoiceVolume>(2097, 3, 3),
    Setting<&F::Options, &O::WiredClone>(2097, 2, 1),
    Setting<&F::Options, &O::BatterySave>(2097, 0, 2),
    Setting<&F::Options, &O::VoxEnable>(2098, 7, 1),
    Setting<&F::Options, &O::VoxTone>(2098, 6, 1),
    Setting<&F::Options, &O::ChannelLock>(2098, 5, 1),
    Setting<&F::Options, &O::GroupSelect>(2098, 4, 1),
    Setting<&F::Options, &O::TotPreAlert>(2098, 0, 4),
    Setting<&F::Options, &O::TailEliminationMode>(2099, 6, 2),
    Setting<&F::Options, &O::TailEliminationNoSignalling>(2099, 5, 1),
    ResetProhibitField(2099, 4),
    Setting<&F::Options, &O::TimeOutTimer>(2100, 0, 8),
    Setting<&F::Options, &O::TotRekeyTime>(2101, 0, 8),
    Setting<&F::Options, &O::TotResetTime>(2102, 0, 8),
    Setting<&F::Options, &O::VoxDelay>(2103, 4, 4),
    Setting<&F::Options, &O::VoxSensitivity>(2103, 0, 4),
    Setting<&F::Options, &O::ChannelGroup>(2104, 0, 8),

    Setting<&F::Keys, &K::LongPressTime>(2106, 0, 8),
    Setting<&F::Keys, &K::EmergencyLongPressTime>(2107, 0, 8),
    Setting<&F::Keys, &K::Pf1Long>(2108, 0, 8),
    Setting<&F::Keys, &K::Pf1Short>(2109, 0, 8),
    Setting<&F::Keys, &K::Pf2Long>(2110, 0, 8),
    Setting<&F::Keys, &K::Pf2Short>(2111, 0, 8),

    Setting<&F::Scan, &S::ScanMode>(2112, 7, 1),
    Setting<&F::Scan, &S::ScanEntryTone>(2112, 6, 1),
    Setting<&F::Scan, &S::PriorityMode>(2112, 4, 2),
    Setting<&F::Scan, &S::ReturnChannel>(2112, 0, 3),
    Setting<&F::Scan, &S::Priority1Group>(2113, 0, 8),
    Setting<&F::Scan, &S::Priority1Channel>(2114, 0, 8),
    Setting<&F::Scan, &S::Priority2Group>(2115, 0, 8),
    Setting<&F::Scan, &S::Priority2Channel>(2116, 0, 8),
    Setting<&F::Scan, &S::LookBackA>(2117, 0, 8),
    Setting<&F::Scan, &S::LookBackB>(2118, 0, 8),
    Setting<&F::Scan, &S::RxResumeDelay>(2119, 0, 8),
    Setting<&F::Scan, &S::TxResumeDelay>(2120, 0, 8),

    Setting<&F::Dtmf, &D::DtmfRate>(2121, 0, 8),
    Setting<&F::Dtmf, &D::FirstDigitTime>(2122, 0, 8),
    Setting<&F::Dtmf, &D::FirstDigitDelay>(2123, 0, 8),
    Setting<&F::Dtmf, &D::StarHashTime>(2124, 0, 8),
    Setting<&F::Dtmf, &D::DKeySetting>(2125, 0, 8),
    Setting<&F::Dtmf, &D::Sidetone>(2126, 7, 1),
    Setting<&F::Dtmf, &D::CallAlert>(2126, 4, 2),
    // The radio reads only the low four bits of the group code byte.
    Setting<&F::Dtmf, &D::GroupCode>(2127, 0, 4),
    Setting<&F::Dtmf, &D::AutoResetTimer>(2128, 0, 8),

    AlarmModeField(2129, 4),
    Setting<&F::Alert, &A::ChannelSelect>(2129, 3, 1),
    Setting<&F::Alert, &A::EmergencyIdType>(2129, 2, 1),
    Setting<&F::Alert, &A::EmergencyAlarm>(2129, 0, 2),
    Setting<&F::Alert, &A::EmergencyGroup>(2130, 0, 8),
    Setting<&F::Alert, &A::EmergencyChannel>(2131, 0, 8),
    Setting<&F::Alert, &A::EmergencyIdMemory>(2132, 0, 8),
    Setting<&F::Alert, &A::AlarmTime>(2133, 0, 8),
    Setting<&F::Alert, &A::AlarmTxTime>(2134, 0, 8),
    Setting<&F::Alert, &A::AlarmRxTime>(2135, 0, 8),
    Setting<&F::Alert, &A::AlarmCycle>(2136, 0, 8),
};

}  // namespace

std::span<const BitField<ChannelRecord>> ChannelSlotFields() {
    return kChannelSlotFields;
}

std::span<const BitField<RadioRecords>> FunctionSettingFields() {
    return kFunctionSettingFields;
}

}  // namespace mox
