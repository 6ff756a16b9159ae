#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/RadioData.h"

namespace mox {

// The channel choices of the scan and alert windows: a channel is named by its group (1 to 8) and its
// position in the group (1 to 16), and the lists offer only what exists in the channel list.

// The groups (1 to 8) that hold at least one channel, ascending.
std::vector<int> ChannelGroups(const ChannelTable& channels);
// The positions (1 to 16) of the channels of `group`, ascending; none for a group outside 1 to 8.
std::vector<int> ChannelPositions(const ChannelTable& channels, int group);

// The same lists as a window shows them, in decimal.
std::vector<std::string> GroupEntries(const ChannelTable& channels);
// The positions of the channels of `group`, ascending, in decimal; none for group 0 or an empty group.
std::vector<std::string> PositionEntries(const ChannelTable& channels, int group);

// The entry a list selects for a stored number: the entry of that text, else the first entry, else
// none (-1) when the list is empty.
int EntryOfNumber(const std::vector<std::string>& entries, int number);
// The same for an entry's whole text ("M3"), as a list that is rebuilt selects its shown text again.
int EntryOfText(const std::vector<std::string>& entries, std::string_view text);
// The number an entry stands for: its text as a number after `prefix`; 0 when nothing is selected
// (-1) or the text is no number.
int NumberOfEntry(const std::vector<std::string>& entries, int index, std::string_view prefix = {});

}  // namespace mox
