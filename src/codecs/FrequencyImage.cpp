#include <algorithm>
#include <charconv>

#include "codecs/Frequency.h"
#include "codecs/Tones.h"

namespace mox {

namespace {

constexpr std::uint32_t kErased = 0xFFFFFFFF;
constexpr std::uint32_t kDigitsLimit = 100'000'000;
constexpr std::size_t kDigitCount = 8;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void WriteBigEndian(std::uint32_t value, std::uint8_t* out4) {
    for (int i = 3; i >= 0; --i) {
        out4[i] = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

std::uint32_t ReadBigEndian(const std::uint8_t* in4) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | in4[i];
    return value;
}

int HexValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

// Short digits are padded on the right, as their display reads them (the first three are the MHz), so
// the radio gets the frequency the user sees. Digits that do not form a frequency leave the four
// bytes erased, which the radio reads as no frequency.
void DigitsToImage(std::string_view digits, std::uint8_t* out4) {
    std::string text = CutFixedText(digits);
    std::uint32_t value = kErased;
    if (!text.empty() && text.size() <= kDigitCount && std::all_of(text.begin(), text.end(), IsDigit)) {
        text.resize(kDigitCount, '0');
        std::from_chars(text.data(), text.data() + text.size(), value);
    }
    WriteBigEndian(value, out4);
}

// A number of eight digits at most is written with leading zeros (4350000 is 43.50000 MHz); a larger
// one, the erased FF FF FF FF included, cannot be a frequency and reads as none.
std::string ImageToDigits(const std::uint8_t* in4) {
    std::uint32_t value = ReadBigEndian(in4);
    if (value >= kDigitsLimit)
        return "FFFFFFFF";
    std::string digits(kDigitCount, '0');
    for (std::size_t i = kDigitCount; i-- > 0 && value > 0; value /= 10)
        digits[i] = static_cast<char>('0' + value % 10);
    return digits;
}

// Each pair of characters is one byte, read as hexadecimal; a field holding anything but
// hexadecimal digits is written as no frequency rather than as arbitrary bytes.
void BcdDigitsToImage(std::string_view digits, std::uint8_t* out4) {
    std::string text = CutFixedText(digits).substr(0, kDigitCount);
    if (text.empty())
        text = "FFFFFFFF";
    text.resize(kDigitCount, '0');
    if (!std::all_of(text.begin(), text.end(), [](char c) { return HexValue(c) >= 0; }))
        text = "FFFFFFFF";
    for (std::size_t i = 0; i < 4; ++i)
        out4[i] = static_cast<std::uint8_t>(HexValue(text[2 * i]) * 16 + HexValue(text[2 * i + 1]));
}

std::string ImageToBcdDigits(const std::uint8_t* in4) {
    std::string digits;
    for (int i = 0; i < 4; ++i)
        digits += HexPad(in4[i], 2);
    return digits == "00000000" ? "FFFFFFFF" : digits;
}

}  // namespace mox
