#include "codecs/TypedFrequency.h"

#include "codecs/DecimalText.h"

namespace mox {

std::string FormatTypedFrequency(std::string_view text) {
    const std::optional<UnitValue> value = ParseUnits(text);
    if (!value)
        return std::string(text);
    const std::int64_t units = value->Rounded();
    const std::int64_t magnitude = units < 0 ? -units : units;
    if (value->Sign == '+' || value->Sign == '-')
        return std::string(1, value->Sign) + FormatUnits(magnitude);
    return FormatUnits(units);
}

bool KeepsTypedCharacter(char32_t code, bool signs) {
    if (code == 3 || code == 22 || code == 24 || code > 127)
        return false;
    if (code < 32 || code == 127)
        return true;
    if ((code >= '0' && code <= '9') || code == '.')
        return true;
    return signs && (code == '+' || code == '-');
}

}  // namespace mox
