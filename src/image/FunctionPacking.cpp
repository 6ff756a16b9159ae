#include "image/FunctionPacking.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "codecs/Tones.h"
#include "image/FeatureByte.h"
#include "image/ImageLayout.h"

namespace mox {

namespace {

constexpr int kDtmfCodeDigits = 16;
constexpr int kDtmfCountByte = 8;
constexpr int kDtmfIdDigits = 10;
constexpr int kDefaultIdLength = 3;

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// A character that is no hexadecimal digit (only a damaged data file holds one) is written as 0.
int NibbleOf(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

// Two digits per byte, the first in the high nibble; `hex` has an even length.
void HexTextToBytes(std::string_view hex, std::uint8_t* out) {
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out[i / 2] = static_cast<std::uint8_t>(NibbleOf(hex[i]) * 16 + NibbleOf(hex[i + 1]));
}

std::string BytesToHexText(const std::uint8_t* in, int count) {
    std::string hex;
    for (int i = 0; i < count; ++i)
        hex += HexPad(in[i], 2);
    return hex;
}

int IdLengthOrDefault(int length) {
    return length < kDefaultIdLength || length > kDtmfIdDigits ? kDefaultIdLength : length;
}

void PackDtmfId(const DtmfSettings& dtmf, RadioImage& image) {
    const int length = IdLengthOrDefault(dtmf.IdLength);
    std::string digits = TrimBlanks(CutFixedText(dtmf.IdCode));
    digits.resize(length, '0');
    digits.resize(kDtmfIdDigits, '0');
    HexTextToBytes(digits, &image[kDtmfIdAddress]);
    image[kDtmfIdLengthAddress] = static_cast<std::uint8_t>(length);
}

void UnpackDtmfId(const RadioImage& image, DtmfSettings& dtmf) {
    const int length = IdLengthOrDefault(image[kDtmfIdLengthAddress]);
    std::string digits = BytesToHexText(&image[kDtmfIdAddress], kDtmfIdBytes);
    digits.resize(length);
    dtmf.IdLength = static_cast<std::int16_t>(length);
    SetFixedText(dtmf.IdCode, digits);
}

// Digits beyond the count are cut before packing, so they can never leak into the low nibble that
// follows an odd count.
void PackDtmfCode(const DtmfCode& code, std::uint8_t* slot) {
    std::fill(slot, slot + kDtmfSlotSize, 0xFF);
    const int count = code.Count < 0 || code.Count > kDtmfCodeDigits ? 0 : code.Count;
    std::string digits = DtmfToHex(TrimBlanks(CutFixedText(code.Digits)));
    digits.resize(count, '0');
    if (count % 2 == 1)
        digits.push_back('0');
    HexTextToBytes(digits, slot);
    slot[kDtmfCountByte] = static_cast<std::uint8_t>(count);
}

void UnpackDtmfCode(const std::uint8_t* slot, DtmfCode& code) {
    const int count = slot[kDtmfCountByte] > kDtmfCodeDigits ? 0 : slot[kDtmfCountByte];
    std::string digits = BytesToHexText(slot, (count + 1) / 2);
    digits.resize(count);
    code.Count = static_cast<std::int16_t>(count);
    SetFixedText(code.Digits, HexToDtmf(digits));
}

// The four named codes and then the sixteen auto-dial memories, one 16-byte slot each.
template <typename Settings, typename Visit>
void ForEachDtmfCode(Settings& dtmf, Visit visit) {
    int slot = 0;
    for (auto* code : {&dtmf.BotCode, &dtmf.EotCode, &dtmf.StunCode, &dtmf.KillCode})
        visit(*code, kDtmfCodesAddress + kDtmfSlotSize * slot++);
    for (auto& code : dtmf.AutoDial)
        visit(code, kDtmfCodesAddress + kDtmfSlotSize * slot++);
}

void PackMessage(const EmbeddedMessage& message, RadioImage& image) {
    for (std::size_t k = 0; k < message.Lines.size(); ++k) {
        const std::string text = TrimBlanks(CutFixedText(message.Lines[k]));
        std::uint8_t* line = &image[kMessageAddress + kMessageLineSize * k];
        for (std::size_t i = 0; i < kMessageLineSize; ++i)
            line[i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0x00;
    }
}

void UnpackMessage(const RadioImage& image, EmbeddedMessage& message) {
    for (std::size_t k = 0; k < message.Lines.size(); ++k) {
        const std::uint8_t* line = &image[kMessageAddress + kMessageLineSize * k];
        std::string text;
        for (std::size_t i = 0; i < kMessageLineSize && line[i] != 0x00 && line[i] != 0xFF; ++i)
            text.push_back(static_cast<char>(line[i]));
        SetFixedText(message.Lines[k], text);
    }
}

}  // namespace

void PackFunctionSettings(RadioRecords& radio) {
    RadioImage& image = radio.Image;
    const DtmfSettings& dtmf = radio.Data.Functions.Dtmf;
    PackBitFields(FunctionSettingFields(), radio, image.data());
    PackDtmfId(dtmf, image);
    ForEachDtmfCode(dtmf, [&](const DtmfCode& code, int address) { PackDtmfCode(code, &image[address]); });
    PackMessage(radio.Data.Functions.Message, image);
}

void UnpackFunctionSettings(RadioRecords& radio) {
    const RadioImage& image = radio.Image;
    DtmfSettings& dtmf = radio.Data.Functions.Dtmf;
    UnpackBitFields(FunctionSettingFields(), image.data(), radio);
    UnpackDtmfId(image, dtmf);
    ForEachDtmfCode(dtmf, [&](DtmfCode& code, int address) { UnpackDtmfCode(&image[address], code); });
    UnpackMessage(image, radio.Data.Functions.Message);
    TakeFeatureByte(image[kFeatureByteAddress], radio.Image, radio.Features);
}

void ResetFunctionSettings(FunctionSettings& functions) {
    functions = FunctionSettings{};
    SetFixedText(functions.Dtmf.IdCode, "000");
}

}  // namespace mox
