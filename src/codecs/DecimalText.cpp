#include "codecs/DecimalText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace mox {

namespace {

// Enough decimal places of units to pass the saturation point; anything longer saturates at once.
constexpr std::int64_t kMaxWholeDigits = 16;
// Decimal places between MHz and units of 10 Hz.
constexpr std::int64_t kUnitDecimals = 5;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The digits of a number text and where its decimal point falls among them (0 = before the first).
struct DecimalParts {
    std::string Digits;
    std::int64_t Point = 0;
    char Sign = 0;
};

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

// The exponent after "E": digits with an optional sign; huge exponents are held at a bound that
// still saturates every value or turns it into a fraction.
std::optional<std::int64_t> ReadExponent(std::string_view text, std::size_t& i) {
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t start = i;
    std::int64_t exponent = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        exponent = std::min<std::int64_t>(exponent * 10 + (text[i] - '0'), 1'000'000'000);
    if (i == start)
        return std::nullopt;
    return negative ? -exponent : exponent;
}

std::optional<DecimalParts> SplitNumber(std::string_view text) {
    text = TrimBlanks(text);
    DecimalParts parts;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        parts.Sign = text[i++];
    std::size_t end = SkipDigits(text, i);
    parts.Digits.assign(text.substr(i, end - i));
    parts.Point = static_cast<std::int64_t>(parts.Digits.size());
    i = end;
    if (i < text.size() && text[i] == '.') {
        end = SkipDigits(text, ++i);
        parts.Digits.append(text.substr(i, end - i));
        i = end;
    }
    if (parts.Digits.empty())
        return std::nullopt;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        const auto exponent = ReadExponent(text, ++i);
        if (!exponent)
            return std::nullopt;
        parts.Point += *exponent;
    }
    if (i != text.size())
        return std::nullopt;
    return parts;
}

UnitFraction ClassifyFraction(char first, bool restNonZero) {
    if (first == '0')
        return restNonZero ? UnitFraction::BelowHalf : UnitFraction::Zero;
    if (first < '5')
        return UnitFraction::BelowHalf;
    if (first == '5')
        return restNonZero ? UnitFraction::AboveHalf : UnitFraction::Half;
    return UnitFraction::AboveHalf;
}

UnitFraction Mirror(UnitFraction fraction) {
    if (fraction == UnitFraction::BelowHalf)
        return UnitFraction::AboveHalf;
    if (fraction == UnitFraction::AboveHalf)
        return UnitFraction::BelowHalf;
    return fraction;
}

// Whole units and the fraction below them of a number without sign. `digits` starts with a non-zero
// digit; `point` counts the digits before the point, in units.
UnitValue MagnitudeOf(std::string_view digits, std::int64_t point) {
    UnitValue value;
    if (point > kMaxWholeDigits) {
        value.Floor = kSaturatedUnits;
        return value;
    }
    const auto size = static_cast<std::int64_t>(digits.size());
    for (std::int64_t i = 0; i < point; ++i)
        value.Floor = value.Floor * 10 + (i < size ? digits[static_cast<std::size_t>(i)] - '0' : 0);
    value.Floor = std::min(value.Floor, kSaturatedUnits);
    if (point < 0) {
        // Zeros come first after the point, and a non-zero digit follows them.
        value.Fraction = UnitFraction::BelowHalf;
        return value;
    }
    if (point >= size)
        return value;
    const std::string_view rest = digits.substr(static_cast<std::size_t>(point) + 1);
    const bool restNonZero = rest.find_first_not_of('0') != std::string_view::npos;
    value.Fraction = ClassifyFraction(digits[static_cast<std::size_t>(point)], restNonZero);
    return value;
}

std::string DecimalDigits(std::uint64_t value) {
    std::array<char, 24> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return std::string(text.data(), end);
}

}  // namespace

std::int64_t UnitValue::Truncated() const {
    if (Floor >= 0 || Fraction == UnitFraction::Zero)
        return Floor;
    return Floor + 1;
}

std::int64_t UnitValue::Rounded() const {
    if (Floor >= 0)
        return Floor + (Fraction == UnitFraction::Half || Fraction == UnitFraction::AboveHalf ? 1 : 0);
    return Floor + (Fraction == UnitFraction::AboveHalf ? 1 : 0);
}

std::int64_t UnitValue::RoundedHalfEven() const {
    if (Fraction == UnitFraction::Half)
        return Floor % 2 == 0 ? Floor : Floor + 1;
    return Floor + (Fraction == UnitFraction::AboveHalf ? 1 : 0);
}

UnitValue UnitValue::Minus(std::int64_t units) const {
    UnitValue result = *this;
    result.Floor -= units;
    return result;
}

std::optional<UnitValue> ParseUnits(std::string_view text) {
    const auto parts = SplitNumber(text);
    if (!parts)
        return std::nullopt;
    const std::string_view digits = parts->Digits;
    const std::size_t lead = digits.find_first_not_of('0');
    UnitValue value;
    if (lead != std::string_view::npos) {
        const std::int64_t point = parts->Point + kUnitDecimals - static_cast<std::int64_t>(lead);
        value = MagnitudeOf(digits.substr(lead), point);
    }
    if (parts->Sign == '-' && !value.IsZero()) {
        value.Floor = -value.Floor - (value.Fraction == UnitFraction::Zero ? 0 : 1);
        value.Fraction = Mirror(value.Fraction);
    }
    value.Sign = parts->Sign;
    return value;
}

std::string FormatUnits(std::int64_t units, int integerDigits) {
    const bool negative = units < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    const std::string wholeText = DecimalDigits(magnitude / kUnitsPerMHz);
    std::string fraction = DecimalDigits(magnitude % kUnitsPerMHz);
    fraction.insert(0, static_cast<std::size_t>(kUnitDecimals) - fraction.size(), '0');
    std::string text = negative ? "-" : "";
    if (static_cast<int>(wholeText.size()) < integerDigits)
        text.append(static_cast<std::size_t>(integerDigits) - wholeText.size(), '0');
    return text + wholeText + "." + fraction;
}

std::int64_t LimitToUnits(double mhz) {
    const double units = std::nearbyint(mhz * static_cast<double>(kUnitsPerMHz));
    if (!std::isfinite(units))
        return 0;
    return static_cast<std::int64_t>(
        std::clamp(units, -static_cast<double>(kSaturatedUnits), static_cast<double>(kSaturatedUnits)));
}

std::string PlainDecimalText(double value) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return std::string(text.data(), end);
}

}  // namespace mox
