#include "editors/ChoiceLists.h"

#include <algorithm>

#include "image/ChannelTable.h"

namespace mox {

std::vector<int> ChannelGroups(const ChannelTable& table) {
    std::vector<int> groups;
    for (int i = 0; i < UsedChannelCount(table); ++i) {
        const int number = table.Records[i].Number;
        if (number < 1 || number > kChannelCapacity)
            continue;
        const int group = (number - 1) / kPositionsPerGroup + 1;
        if (std::find(groups.begin(), groups.end(), group) == groups.end())
            groups.push_back(group);
    }
    std::sort(groups.begin(), groups.end());
    return groups;
}

std::vector<int> ChannelPositions(const ChannelTable& table, int group) {
    std::vector<int> positions;
    if (group < 1 || group > kGroupCount)
        return positions;
    const int first = (group - 1) * kPositionsPerGroup + 1;
    for (int i = 0; i < UsedChannelCount(table); ++i) {
        const int position = table.Records[i].Number - first + 1;
        if (position >= 1 && position <= kPositionsPerGroup &&
            std::find(positions.begin(), positions.end(), position) == positions.end())
            positions.push_back(position);
    }
    std::sort(positions.begin(), positions.end());
    return positions;
}

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
