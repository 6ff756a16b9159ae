#include "editors/ChannelChoices.h"

#include <algorithm>
#include <set>

#include "image/ChannelTable.h"
#include "services/NumberText.h"

namespace mox {

namespace {

std::vector<std::string> DecimalEntries(const std::vector<int>& numbers) {
    std::vector<std::string> entries;
    for (int number : numbers)
        entries.push_back(WholeNumberText(number));
    return entries;
}

// Each record's group and position; a damaged channel number names none.
template <typename Take>
void ForEachChannel(const ChannelTable& channels, Take take) {
    for (int i = 0; i < UsedChannelCount(channels); ++i) {
        const int number = channels.Records[i].Number;
        if (number >= 1 && number <= kChannelCapacity)
            take((number - 1) / kPositionsPerGroup + 1, (number - 1) % kPositionsPerGroup + 1);
    }
}

}  // namespace

std::vector<int> ChannelGroups(const ChannelTable& channels) {
    std::set<int> groups;
    ForEachChannel(channels, [&groups](int group, int) { groups.insert(group); });
    return {groups.begin(), groups.end()};
}

std::vector<int> ChannelPositions(const ChannelTable& channels, int group) {
    std::set<int> positions;
    ForEachChannel(channels, [&positions, group](int channelGroup, int position) {
        if (channelGroup == group)
            positions.insert(position);
    });
    return {positions.begin(), positions.end()};
}

std::vector<std::string> GroupEntries(const ChannelTable& channels) {
    return DecimalEntries(ChannelGroups(channels));
}

std::vector<std::string> PositionEntries(const ChannelTable& channels, int group) {
    return DecimalEntries(ChannelPositions(channels, group));
}

int EntryOfText(const std::vector<std::string>& entries, std::string_view text) {
    if (entries.empty())
        return -1;
    const auto found = std::find(entries.begin(), entries.end(), text);
    return found == entries.end() ? 0 : static_cast<int>(found - entries.begin());
}

int EntryOfNumber(const std::vector<std::string>& entries, int number) {
    return EntryOfText(entries, WholeNumberText(number));
}

int NumberOfEntry(const std::vector<std::string>& entries, int index, std::string_view prefix) {
    if (index < 0 || index >= static_cast<int>(entries.size()))
        return 0;
    std::string_view text = entries[static_cast<std::size_t>(index)];
    if (!text.starts_with(prefix))
        return 0;
    text.remove_prefix(prefix.size());
    return ParseWholeNumber(text).value_or(0);
}

}  // namespace mox
