#pragma once

// The four forms of a channel frequency (display text, eight stored digits in 10 Hz units, shift
// digits with a direction, image bytes), the band check and the settling onto the tuning rasters.
// Every number text is formatted and parsed with "." whatever the locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/ModelState.h"
#include "records/RadioData.h"
#include "services/Messages.h"

namespace mox {

// The rules below that may warn take the band (the model state's limits) and the messages to warn
// through.

// "#0.00000" text of the eight digits; "" for none; "Not IsNumeric" and the lower limit for garbage.
std::string DigitsToDisplay(const ModelState& model, const Messages& messages, std::string_view digits);
// Eight digits of a frequency text, decimals beyond the fifth dropped (not rounded).
std::string TextToDigits(const ModelState& model, std::string_view text);
// The text pulled into the band; warning 9021 when `warn` and the text was outside or not numeric.
std::string ClampToBand(const ModelState& model, const Messages& messages, std::string_view text, bool warn);
// Signed shift text: "-"/"+"/"" and the magnitude as "#0.00000".
std::string ShiftText(std::string_view shiftDigits, int direction);
std::string TxDisplay(const ModelState& model, const Messages& messages, std::string_view rxDigits,
                      std::string_view shiftDigits, int direction, bool showShift);
std::string TxFromRx(const ModelState& model, const Messages& messages, std::string_view rxDigits,
                     std::string_view shiftDigits, int direction, bool asShift);
// New seven shift digits; sets `direction`.
std::string ComputeShift(const ModelState& model, const Messages& messages, std::string_view rxDigits,
                         std::string_view txText, bool textIsShift, std::string_view oldShiftDigits,
                         int& direction);
// Settles RX and TX of one channel onto a raster and sets its step classes.
void SettleStepClasses(const ModelState& model, const Messages& messages, ChannelRecord& channel);

// Channel frequencies in the image: unsigned 32-bit big-endian in 10 Hz units. Short digits are
// padded on the right as their display reads them; digits that are no frequency give FF FF FF FF.
void DigitsToImage(std::string_view digits, std::uint8_t* out4);
// Eight digits with leading zeros; "FFFFFFFF" for a number that eight digits cannot hold.
std::string ImageToDigits(const std::uint8_t* in4);
// Test frequencies in the image: eight BCD digits; a field that is not hexadecimal gives FF FF FF FF.
void BcdDigitsToImage(std::string_view digits, std::uint8_t* out4);
std::string ImageToBcdDigits(const std::uint8_t* in4);

// The frequency of stored digits in 10 Hz units; none for "", "FFFFFFFF" and digits that are no number.
std::optional<std::int64_t> DigitsToUnits(std::string_view digits);

// Seven shift digits ("0500000" for 5 MHz) of a magnitude in 10 Hz units. Only two MHz digits fit, so
// a magnitude of 100 MHz or more is held at 99.99999 MHz rather than losing its leading digit.
std::string UnitsToShiftDigits(std::int64_t units);

// Whether a text reads as a number the way the frequency rules understand numbers: optional blanks
// around an optional sign, digits with at most one ".", an optional exponent (see ParseUnits).
bool IsNumericText(std::string_view text);

}  // namespace mox
