#include "channels/BatchFieldChecks.h"

#include <cstdint>
#include <optional>

#include "codecs/DecimalText.h"
#include "codecs/Frequency.h"
#include "codecs/TypedFrequency.h"

namespace mox {

namespace {

// The radio tunes on a 5 kHz and a 6.25 kHz raster; in units of 10 Hz those are 500 and 625.
constexpr std::int64_t k5kHz = 500;
constexpr std::int64_t k6250Hz = 625;
// A step is typed in kHz, and a number text reads in hundred-thousandths; one unit of 10 Hz is a
// hundredth of a kHz, that is 1000 of those.
constexpr std::int64_t kMHzUnitsPerStepUnit = 1000;
constexpr std::int64_t kStepUnitsPerKHz = 100;
constexpr std::int64_t kStepLimitKHz = 1000;

std::int64_t OnRaster(std::int64_t units) {
    if (units % k5kHz == 0 || units % k6250Hz == 0)
        return units;
    return units - units % k5kHz;
}

// The magnitude of a number text in MHz units, 0 for a non-number.
std::int64_t MagnitudeUnits(std::string_view text) {
    const std::optional<UnitValue> value = ParseUnits(text);
    if (!value)
        return 0;
    const std::int64_t units = value->Rounded();
    return units < 0 ? -units : units;
}

}  // namespace

std::string RangeFieldText(std::string_view text) {
    const std::optional<UnitValue> value = ParseUnits(text);
    if (!value)
        return "1";
    const std::int64_t whole = value->Truncated() / kUnitsPerMHz;
    if (value->Floor >= (kBatchLastChannel + 1) * kUnitsPerMHz)
        return "128";
    if (whole < kBatchFirstChannel)
        return "1";
    return std::to_string(whole);
}

std::string StepLimitText(std::string_view text) {
    const std::optional<UnitValue> value = ParseUnits(text);
    const bool above =
        value && (value->Floor > kStepLimitKHz * kUnitsPerMHz ||
                  (value->Floor == kStepLimitKHz * kUnitsPerMHz && value->Fraction != UnitFraction::Zero));
    return above ? "1000" : std::string(text);
}

std::string StepDataFre(const ModelState& model, const Messages& messages, std::string_view rData) {
    const std::string inBand = ClampToBand(model, messages, rData, false);
    const std::int64_t lower = LimitToUnits(model.LowerLimit);
    const std::int64_t units = ParseUnits(inBand)->Rounded();
    return FormatUnits(lower + OnRaster(units - lower));
}

std::string StepData(std::string_view rData) {
    const std::int64_t units = MagnitudeUnits(rData);
    // Units of 10 Hz of a kHz value, to the nearest unit.
    const std::int64_t step = OnRaster((units + kMHzUnitsPerStepUnit / 2) / kMHzUnitsPerStepUnit);
    std::string text = std::to_string(step / kStepUnitsPerKHz);
    const std::int64_t hundredths = step % kStepUnitsPerKHz;
    if (hundredths != 0) {
        text += '.' + std::to_string(hundredths / 10);
        if (hundredths % 10 != 0)
            text += std::to_string(hundredths % 10);
    }
    return text;
}

std::string StepDataFree(std::string_view rData) {
    return FormatUnits(OnRaster(MagnitudeUnits(rData)));
}

std::string DefaultData(std::string_view rData, std::string_view rDef) {
    return std::string(IsNumericText(rData) ? rData : rDef);
}

bool KeepsBatchFrequencyKey(char32_t code) {
    return KeepsTypedCharacter(code, false);
}

bool KeepsBatchDigitKey(char32_t code) {
    return KeepsTypedCharacter(code, false) && code != '.';
}

}  // namespace mox
