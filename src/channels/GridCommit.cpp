#include "channels/GridCommit.h"

#include "channels/ChannelGrid.h"
#include "codecs/Frequency.h"
#include "codecs/TypedFrequency.h"

namespace mox {

CellCommit FrequencyCommit(int column, std::string_view typed) {
    std::string cell = FormatTypedFrequency(typed);
    if (column == GridColumn::Rx)
        return {cell, cell};
    if (!IsNumericText(typed))
        return {};
    return {cell, std::string(typed)};
}

CellCommit ListCommit(const std::vector<std::string>& entries, int index) {
    return {ListEntryText(entries, index), std::to_string(index)};
}

}  // namespace mox
