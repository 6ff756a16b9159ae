#include "codecs/Frequency.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>

#include "codecs/DecimalText.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr std::string_view kNoFrequency = "FFFFFFFF";
// Eight digits hold up to 999.99999 MHz.
constexpr std::int64_t kDigitsLimit = 100'000'000;
constexpr std::int64_t kMaxShiftUnits = 9'999'999;
constexpr std::size_t kShiftDigitCount = 7;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsDigit);
}

std::string EightDigits(std::int64_t units) {
    std::string digits = FormatUnits(units, 3);
    digits.erase(3, 1);
    return digits;
}

// The stored digits read as a number: three MHz digits, the point, the decimals.
std::optional<UnitValue> DigitsValue(std::string_view digits) {
    if (!IsNumericText(digits))
        return std::nullopt;
    std::string text(digits.substr(0, 3));
    text += '.';
    if (digits.size() > 3)
        text += digits.substr(3);
    return ParseUnits(text);
}

// Digits of a text made only of digits and at most one point with no more than three digits before
// it: the decimals beyond the fifth are cut off, a text without a point is taken as it stands.
std::optional<std::string> PlainTextDigits(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view before = text.substr(0, point);
    const std::string_view after = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (!AllDigits(before) || !AllDigits(after) || (point != std::string_view::npos && before.size() > 3))
        return std::nullopt;
    std::string digits(text);
    if (point != std::string_view::npos)
        digits = std::string(3 - before.size(), '0').append(before).append(after);
    digits.resize(8, '0');
    return digits;
}

// The shift magnitude of seven stored digits; anything else counts as no shift.
std::int64_t ShiftUnits(std::string_view shiftDigits) {
    const std::string digits = CutFixedText(shiftDigits);
    std::int64_t units = 0;
    if (digits.size() == kShiftDigitCount && AllDigits(digits))
        std::from_chars(digits.data(), digits.data() + digits.size(), units);
    return units;
}

std::string_view SignOf(int direction) {
    if (direction == 1)
        return "-";
    if (direction == 2)
        return "+";
    return "";
}

// Only 1 and 2 name a direction; any other stored value counts as simplex.
std::int64_t SignedShift(std::string_view shiftDigits, int direction) {
    if (direction == 1)
        return -ShiftUnits(shiftDigits);
    if (direction == 2)
        return ShiftUnits(shiftDigits);
    return 0;
}

struct Settled {
    std::int64_t Units;
    std::int16_t StepClass;
};

// The radio tunes on three rasters counted from the band's lower limit: 5 kHz (500 units), 6.25 kHz
// (625 units) and 25/3 kHz, which in whole units is three steps of 833 in every 25 kHz, the last one
// ending a unit short of the next 25 kHz point.
Settled SettleOnRaster(std::int64_t units, std::int64_t lower) {
    const std::int64_t offset = units - lower;
    const std::int64_t off5k = offset % 500;
    if (off5k == 0)
        return {units, 0};
    if (offset % 625 == 0)
        return {units, 1};
    const std::int64_t inCycle = offset % 2500;
    const std::int64_t off833 = inCycle % 833;
    if (off833 == 0)
        return {(inCycle - off833) / 833 < 3 ? units : units + 1, 2};
    return {units - off5k, 0};
}

}  // namespace

bool IsNumericText(std::string_view text) {
    return ParseUnits(text).has_value();
}

std::optional<std::int64_t> DigitsToUnits(std::string_view digits) {
    const std::string cut = CutFixedText(digits);
    if (cut.empty() || cut == kNoFrequency)
        return std::nullopt;
    const auto value = DigitsValue(cut);
    if (!value)
        return std::nullopt;
    return value->Rounded();
}

std::string UnitsToShiftDigits(std::int64_t units) {
    std::string digits = FormatUnits(std::clamp<std::int64_t>(units, 0, kMaxShiftUnits), 2);
    digits.erase(2, 1);
    return digits;
}

std::string DigitsToDisplay(const ModelState& model, const Messages& messages, std::string_view digits) {
    const std::string cut = CutFixedText(digits);
    if (cut.empty() || cut == kNoFrequency)
        return "";
    const auto value = DigitsValue(cut);
    if (!value) {
        ShowText(messages, "Not IsNumeric", MsgButtons::Ok);
        return PlainDecimalText(model.LowerLimit);
    }
    return FormatUnits(value->Rounded());
}

std::string TextToDigits(const ModelState& model, std::string_view text) {
    if (text.empty())
        return "";
    const auto value = ParseUnits(text);
    if (value) {
        if (auto digits = PlainTextDigits(text))
            return *digits;
        if (!value->IsNegative() && value->Truncated() < kDigitsLimit)
            return EightDigits(value->Truncated());
    }
    // Not numeric, or a number that eight digits cannot hold: the band's lower limit.
    return EightDigits(std::clamp<std::int64_t>(LimitToUnits(model.LowerLimit), 0, kDigitsLimit - 1));
}

std::string ClampToBand(const ModelState& model, const Messages& messages, std::string_view text, bool warn) {
    const std::int64_t lower = LimitToUnits(model.LowerLimit);
    const std::int64_t upper = LimitToUnits(model.UpperLimit);
    const auto value = ParseUnits(text);
    std::int64_t result = lower;
    bool outside = true;
    if (value && value->Floor >= lower) {
        const bool aboveUpper =
            value->Floor > upper || (value->Floor == upper && value->Fraction != UnitFraction::Zero);
        outside = aboveUpper;
        result = aboveUpper ? upper : value->Rounded();
    }
    if (outside && warn)
        ShowMessage(messages, 9021, MsgButtons::Ok, MsgIcon::Warning);
    return FormatUnits(result);
}

std::string ShiftText(std::string_view shiftDigits, int direction) {
    return std::string(SignOf(direction)) + FormatUnits(ShiftUnits(shiftDigits));
}

std::string TxFromRx(const ModelState& model, const Messages& messages, std::string_view rxDigits,
                     std::string_view shiftDigits, int direction, bool asShift) {
    const std::string rx = DigitsToDisplay(model, messages, rxDigits);
    const auto rxValue = ParseUnits(rx);
    if (rx.empty() || !rxValue)
        return "";
    if (asShift)
        return ShiftText(shiftDigits, direction);
    if (direction != 1 && direction != 2)
        return rx;
    return FormatUnits(rxValue->Rounded() + SignedShift(shiftDigits, direction));
}

std::string TxDisplay(const ModelState& model, const Messages& messages, std::string_view rxDigits,
                      std::string_view shiftDigits, int direction, bool showShift) {
    if (showShift)
        return ShiftText(shiftDigits, direction);
    const auto tx = ParseUnits(TxFromRx(model, messages, rxDigits, shiftDigits, direction, false));
    if (!tx)
        return "";
    return FormatUnits(std::abs(tx->Rounded()));
}

std::string ComputeShift(const ModelState& model, const Messages& messages, std::string_view rxDigits,
                         std::string_view txText, bool textIsShift, std::string_view oldShiftDigits,
                         int& direction) {
    std::int64_t magnitude = ShiftUnits(oldShiftDigits);
    const std::string rx = DigitsToDisplay(model, messages, rxDigits);
    const auto rxValue = ParseUnits(rx);
    const auto text = ParseUnits(txText);
    if (rx.empty() || txText.empty() || !rxValue || !text) {
        direction = 0;
    } else if (textIsShift) {
        direction = text->Sign == '-' ? 1 : text->Sign == '+' ? 2 : 0;
        magnitude = std::abs(text->Rounded());
    } else {
        const UnitValue delta = text->Minus(rxValue->Rounded());
        if (delta.IsZero()) {
            direction = 0;
        } else {
            direction = delta.IsNegative() ? 1 : 2;
            magnitude = std::abs(delta.Rounded());
        }
    }
    return UnitsToShiftDigits(magnitude);
}

void SettleStepClasses(const ModelState& model, const Messages& messages, ChannelRecord& channel) {
    const std::string rx = CutFixedText(channel.RxDigits);
    const auto rxValue = rx == kNoFrequency ? std::nullopt : DigitsValue(rx);
    if (!rxValue)
        return;
    const std::int64_t lower = LimitToUnits(model.LowerLimit);
    const Settled settledRx = SettleOnRaster(rxValue->RoundedHalfEven(), lower);
    const std::string rxDigits = TextToDigits(model, FormatUnits(settledRx.Units));
    SetFixedText(channel.RxDigits, rxDigits);
    channel.RxStepClass = settledRx.StepClass;
    const int direction = channel.ShiftDirection;
    if (direction != 1 && direction != 2) {
        channel.TxStepClass = channel.RxStepClass;
        return;
    }
    const std::string oldShift = CutFixedText(channel.ShiftDigits);
    const std::int64_t tx = std::abs(DigitsValue(rxDigits)->Rounded() + SignedShift(oldShift, direction));
    const Settled settledTx = SettleOnRaster(tx, lower);
    channel.TxStepClass = settledTx.StepClass;
    int newDirection = direction;
    SetFixedText(channel.ShiftDigits, ComputeShift(model, messages, rxDigits, FormatUnits(settledTx.Units),
                                                   false, oldShift, newDirection));
    channel.ShiftDirection = static_cast<std::uint8_t>(newDirection);
}

}  // namespace mox
