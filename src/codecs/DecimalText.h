#pragma once

// Exact arithmetic on the number texts of frequencies and shifts, in units of 10 Hz (five decimals of
// a MHz). A typed text may carry more decimals than the radio can tune; it is kept exactly enough to
// truncate or round it the way the frequency rules ask, without ever going through a double or the
// locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mox {

constexpr std::int64_t kUnitsPerMHz = 100000;
// The largest magnitude kept; larger texts saturate here, far beyond any band or shift.
constexpr std::int64_t kSaturatedUnits = 1'000'000'000'000'000;

// What lies below the whole units of a value: used to round without keeping every digit.
enum class UnitFraction { Zero, BelowHalf, Half, AboveHalf };

// A number as Floor + a fraction of one unit, Floor being the largest whole number of units not
// above the value.
struct UnitValue {
    std::int64_t Floor = 0;
    UnitFraction Fraction = UnitFraction::Zero;
    char Sign = 0;  // the sign character the text began with: '-', '+' or 0

    std::int64_t Truncated() const;        // toward zero
    std::int64_t Rounded() const;          // halves away from zero, as "#0.00000" formatting does
    std::int64_t RoundedHalfEven() const;  // halves to the even unit
    bool IsNegative() const { return Floor < 0; }
    bool IsZero() const { return Floor == 0 && Fraction == UnitFraction::Zero; }
    // The value minus a whole number of units.
    UnitValue Minus(std::int64_t units) const;
};

// Reads a number text the way the program accepts numbers anywhere: optional blanks around it, an
// optional "+" or "-", decimal digits with at most one ".", at least one digit, and an optional
// exponent "E" or "e" with an optional sign and at least one digit. Nothing else: no thousands
// separators, no "," and no hexadecimal. "." is the decimal separator whatever the locale.
std::optional<UnitValue> ParseUnits(std::string_view text);

// "#0.00000" (integerDigits 1) or "00.00000" (integerDigits 2) text of a number of units.
std::string FormatUnits(std::int64_t units, int integerDigits = 1);

// A band limit in MHz as whole units (to the nearest unit, halves to even).
std::int64_t LimitToUnits(double mhz);

// The shortest plain decimal text of a value ("400", "136.5"), always with ".".
std::string PlainDecimalText(double value);

}  // namespace mox
