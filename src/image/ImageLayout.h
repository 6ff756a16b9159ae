#pragma once

// Where every record field lives in the radio image. The bit fields are described once, as data, and
// the same tables drive packing and unpacking so the two can never disagree.

#include <cstdint>
#include <span>

#include "records/RadioData.h"
#include "records/RadioRecords.h"

namespace mox {

constexpr int kChannelSlotSize = 16;
constexpr int kPresenceMapAddress = 2048;
constexpr int kScanSkipMapAddress = 2064;
constexpr int kChannelMapSize = 16;
constexpr int kUnusedAfterMapsAddress = 2080;
constexpr int kDtmfIdAddress = 2144;
constexpr int kDtmfIdBytes = 5;
constexpr int kDtmfIdLengthAddress = 2152;
constexpr int kDtmfCodesAddress = 2240;  // BOT, EOT, stun, kill, then the sixteen auto-dial memories
constexpr int kDtmfSlotSize = 16;
constexpr int kTestFrequencyAddress = 2560;
constexpr int kTestFrequencyPairCount = 16;
constexpr int kTestFrequencyPairSize = 8;
constexpr int kMessageAddress = 2688;
constexpr int kMessageLineSize = 16;
constexpr int kMessageEndAddress = 2752;
constexpr int kModelCodeAddress = 2816;
constexpr int kModelCodeSize = 7;
constexpr int kBandCodeAddress = 2823;
constexpr int kVersionTagAddress = 2824;
constexpr int kFeatureByteAddress = 2828;

// One field of a record kept in `Width` bits of a byte, `Shift` bits up from bit 0. `Offset` is the
// byte's address (function settings) or its place within a channel slot. A field that only packing
// writes (the shift direction, which unpacking derives from the two frequencies) has Unpacked false.
template <typename Record>
struct BitField {
    int Offset;
    int Shift;
    int Width;
    int (*Get)(const Record&);
    void (*Set)(Record&, int);
    bool Unpacked = true;

    constexpr int Mask() const { return (1 << Width) - 1; }
};

// Bytes 10..15 of a channel slot; the tone flags (bit 7 of bytes 10 and 11) come with the tones.
std::span<const BitField<ChannelRecord>> ChannelSlotFields();
// Addresses 2096..2136: options, keys, scan, DTMF timing and alert settings (AlarmMode included).
std::span<const BitField<RadioRecords>> FunctionSettingFields();

// Every byte a table touches starts at 0, so bits that no field owns are written 0, and each value is
// cut to its width: a damaged record cannot change its neighbours' bits.
template <typename Record>
void PackBitFields(std::span<const BitField<Record>> fields, const Record& record, std::uint8_t* base) {
    for (const BitField<Record>& field : fields)
        base[field.Offset] = 0;
    for (const BitField<Record>& field : fields)
        base[field.Offset] |= static_cast<std::uint8_t>((field.Get(record) & field.Mask()) << field.Shift);
}

template <typename Record>
void UnpackBitFields(std::span<const BitField<Record>> fields, const std::uint8_t* base, Record& record) {
    for (const BitField<Record>& field : fields) {
        if (field.Unpacked)
            field.Set(record, (base[field.Offset] >> field.Shift) & field.Mask());
    }
}

}  // namespace mox
