#include "image/ChannelPacking.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "codecs/Frequency.h"
#include "codecs/Tones.h"
#include "image/ChannelTable.h"
#include "image/ImageLayout.h"

namespace mox {

namespace {

constexpr std::uint32_t kLowestDigits = 10000000;   // 100 MHz: below it the digits are not eight
constexpr std::uint32_t kHighestDigits = 99999999;  // 999.99999 MHz
constexpr std::uint32_t kLargestShift = 9999999;    // 99.99999 MHz, the most seven shift digits hold
constexpr std::size_t kFrequencyDigits = 8;
constexpr int kRxToneFlagByte = 10;
constexpr int kTxToneFlagByte = 11;

bool IsDecimalDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// The RX digits as written: shorter digits are read like the typed text they came from, padded on the
// right to eight ("4351250" is 435.12500 MHz, as the channel list shows it).
std::string PackedRxDigits(const ChannelRecord& record) {
    std::string digits = CutFixedText(record.RxDigits);
    digits.resize(kFrequencyDigits, '0');
    return digits;
}

struct SlotFrequencies {
    std::string Rx;
    std::string Tx;
};

// The eight RX and TX digits a record is written with; none when its Number has no slot, its RX
// digits are empty or not decimal, or RX and shift give no TX of three integer digits.
std::optional<SlotFrequencies> PackedFrequencies(const ModelState& model, const Messages& messages,
                                                 const ChannelRecord& record) {
    if (record.Number < 1 || record.Number > kChannelCapacity ||
        !IsDecimalDigits(CutFixedText(record.RxDigits)))
        return std::nullopt;
    SlotFrequencies digits{PackedRxDigits(record), {}};
    const std::string tx =
        TxFromRx(model, messages, digits.Rx, CutFixedText(record.ShiftDigits), record.ShiftDirection, false);
    const std::size_t point = tx.find('.');
    if (tx.empty() || tx.front() == '-' || point == std::string::npos || point > 3)
        return std::nullopt;
    digits.Tx = TextToDigits(model, tx);
    if (!IsDecimalDigits(digits.Tx) || digits.Tx.size() != kFrequencyDigits)
        return std::nullopt;
    return digits;
}

std::uint32_t ReadBigEndian32(const std::uint8_t* in) {
    return static_cast<std::uint32_t>(in[0]) << 24 | static_cast<std::uint32_t>(in[1]) << 16 |
           static_cast<std::uint32_t>(in[2]) << 8 | in[3];
}

bool IsEightDigitFrequency(std::uint32_t value) {
    return value >= kLowestDigits && value <= kHighestDigits;
}

// Channel n owns bit (n-1) mod 8 of byte (n-1) div 8 of a map.
std::uint8_t& MapByte(RadioImage& image, int mapAddress, int slot) {
    return image[mapAddress + slot / 8];
}
std::uint8_t MapByte(const RadioImage& image, int mapAddress, int slot) {
    return image[mapAddress + slot / 8];
}
std::uint8_t MapBit(int slot) {
    return static_cast<std::uint8_t>(1 << (slot % 8));
}

void PackTone(int code, std::uint8_t& low, std::uint8_t& flagByte) {
    const auto [byte, flag] = ToneToSlot(code);
    low = byte;
    if (flag)
        flagByte |= 0x80;
}

// The direction and shift follow from the two frequencies; TX bytes that cannot belong to this RX
// (erased, below 100 MHz, or further away than a shift can reach) give a simplex channel.
void UnpackShift(const ModelState& model, const Messages& messages, const std::uint8_t* slotBytes,
                 ChannelRecord& record) {
    const std::uint32_t rx = ReadBigEndian32(slotBytes);
    const std::uint32_t tx = ReadBigEndian32(slotBytes + 4);
    const std::uint32_t distance = tx > rx ? tx - rx : rx - tx;
    const bool txSound = IsEightDigitFrequency(tx) && distance <= kLargestShift;
    const std::string rxDigits = CutFixedText(record.RxDigits);
    const std::string txText =
        DigitsToDisplay(model, messages, txSound ? ImageToDigits(slotBytes + 4) : rxDigits);
    int direction = 0;
    SetFixedText(record.ShiftDigits, ComputeShift(model, messages, rxDigits, txText, false, "", direction));
    record.ShiftDirection = static_cast<std::uint8_t>(direction);
}

}  // namespace

bool IsPackableChannel(const ModelState& model, const Messages& messages, const ChannelRecord& record) {
    return PackedFrequencies(model, messages, record).has_value();
}

void PackChannel(const ModelState& model, const Messages& messages, ChannelRecord& record,
                 RadioImage& image) {
    const std::string rx = CutFixedText(record.RxDigits);
    record.IsEmpty = rx.empty() || rx == "FFFFFFFF" ? 1 : 0;
    const std::optional<SlotFrequencies> digits = PackedFrequencies(model, messages, record);
    if (!digits)
        return;
    const int slot = record.Number - 1;
    MapByte(image, kPresenceMapAddress, slot) &= static_cast<std::uint8_t>(~MapBit(slot));
    if (record.ScanSkip == 0)
        MapByte(image, kScanSkipMapAddress, slot) &= static_cast<std::uint8_t>(~MapBit(slot));

    std::uint8_t* base = &image[slot * kChannelSlotSize];
    DigitsToImage(digits->Rx, base);
    DigitsToImage(digits->Tx, base + 4);
    PackBitFields(ChannelSlotFields(), record, base);
    PackTone(record.RxTone, base[8], base[kRxToneFlagByte]);
    PackTone(record.TxTone, base[9], base[kTxToneFlagByte]);
}

void UnpackChannel(const ModelState& model, const Messages& messages, const RadioImage& image,
                   ChannelTable& table, int slot) {
    const int count = UsedChannelCount(table);
    if (slot < 0 || slot >= kChannelCapacity || count >= kChannelCapacity)
        return;
    if (MapByte(image, kPresenceMapAddress, slot) & MapBit(slot))
        return;
    const std::uint8_t* base = &image[slot * kChannelSlotSize];
    // Without eight RX digits the slot holds no channel the program could show or write back.
    if (!IsEightDigitFrequency(ReadBigEndian32(base)))
        return;

    ChannelRecord record;
    record.Number = static_cast<std::int16_t>(slot + 1);
    record.ScanSkip = (MapByte(image, kScanSkipMapAddress, slot) & MapBit(slot)) ? 1 : 0;
    SetFixedText(record.RxDigits, ImageToDigits(base));
    UnpackShift(model, messages, base, record);
    record.RxTone = static_cast<std::int16_t>(SlotToTone(base[8], (base[kRxToneFlagByte] & 0x80) != 0));
    record.TxTone = static_cast<std::int16_t>(SlotToTone(base[9], (base[kTxToneFlagByte] & 0x80) != 0));
    UnpackBitFields(ChannelSlotFields(), base, record);
    table.Records[count] = record;
    table.Count = static_cast<std::int16_t>(count + 1);
}

}  // namespace mox
