#include "channels/GridCommit.h"

#include "channels/ChannelGrid.h"
#include "codecs/DecimalText.h"
#include "codecs/Frequency.h"

namespace mox {

std::string FrequencyCellText(std::string_view typed) {
    const std::optional<UnitValue> value = ParseUnits(typed);
    return value ? FormatUnits(value->Rounded()) : std::string(typed);
}

CellCommit FrequencyCommit(int column, std::string_view typed) {
    if (column == GridColumn::Rx) {
        std::string cell = FrequencyCellText(typed);
        return {cell, cell};
    }
    const std::optional<UnitValue> value = ParseUnits(typed);
    if (!value)
        return {};
    std::string cell = FrequencyCellText(typed);
    if (value->Sign != 0) {
        const std::int64_t units = value->Rounded();
        cell = std::string(1, value->Sign) + FormatUnits(units < 0 ? -units : units);
    }
    return {cell, std::string(typed)};
}

CellCommit ListCommit(const std::vector<std::string>& entries, int index) {
    return {ListEntryText(entries, index), std::to_string(index)};
}

bool FrequencyKeyAccepted(char32_t code, bool signs) {
    constexpr char32_t kCopy = 3, kPaste = 22, kCut = 24;
    if (code == kCopy || code == kPaste || code == kCut || code > 127)
        return false;
    if (code < 32 || code == 127)
        return true;
    if ((code >= U'0' && code <= U'9') || code == U'.')
        return true;
    return signs && (code == U'+' || code == U'-');
}

}  // namespace mox
