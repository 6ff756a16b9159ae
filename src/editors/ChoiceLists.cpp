#include "editors/ChoiceLists.h"

#include <algorithm>

namespace mox {

int ShownNumber(const std::vector<int>& entries, int stored) {
    if (entries.empty())
        return 0;
    return EntryOf(entries, stored) >= 0 ? stored : entries.front();
}

void ShowChannelChoice(const ChannelTable& table, std::uint8_t& group, std::uint8_t& position) {
    group = static_cast<std::uint8_t>(ShownNumber(ChannelGroups(table), group));
    position = static_cast<std::uint8_t>(ShownNumber(ChannelPositions(table, group), position));
}

std::string TenthsOfSecondText(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::vector<std::string> TenthsOfSecondEntries(int first, int last) {
    std::vector<std::string> entries;
    for (int tenths = first; tenths <= last; ++tenths)
        entries.push_back(TenthsOfSecondText(tenths));
    return entries;
}

int EntryOf(const std::vector<int>& entries, int value) {
    const auto found = std::find(entries.begin(), entries.end(), value);
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

}  // namespace mox
