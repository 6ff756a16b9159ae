#include "exchange/ChannelFrequencies.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

#include "codecs/DecimalText.h"

namespace mox {

namespace {

std::optional<std::int64_t> DigitsValue(std::string_view digits, std::size_t length) {
    if (digits.size() != length ||
        !std::ranges::all_of(digits, [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    std::int64_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

std::optional<std::int64_t> RxUnitsOf(const ChannelRecord& channel) {
    return DigitsValue(CutFixedText(channel.RxDigits), 8);
}

std::int64_t TxUnitsOf(const ChannelRecord& channel, std::int64_t rxUnits) {
    const std::int64_t shift = DigitsValue(CutFixedText(channel.ShiftDigits), 7).value_or(0);
    if (channel.ShiftDirection == 1)
        return rxUnits - shift;
    if (channel.ShiftDirection == 2)
        return rxUnits + shift;
    return rxUnits;
}

std::string RxDisplayOf(const ChannelRecord& channel) {
    const std::optional<std::int64_t> rx = RxUnitsOf(channel);
    return rx ? FormatUnits(*rx) : std::string();
}

std::string TxDisplayOf(const ChannelRecord& channel) {
    const std::optional<std::int64_t> rx = RxUnitsOf(channel);
    return rx ? FormatUnits(std::abs(TxUnitsOf(channel, *rx))) : std::string();
}

}  // namespace mox
