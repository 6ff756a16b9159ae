#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editors/ChannelChoices.h"
#include "records/RadioData.h"

namespace mox {

// Number lists that the key and scan windows share: choices by number, the priority channels' group
// and position pairs, and times in tenths of a second.

// The entry a list of numbers shows for a stored number: that number when the list holds it, else the
// first entry, else 0 (an empty list shows nothing, which stores as 0).
int ShownNumber(const std::vector<int>& entries, int stored);

// A group and position pair as its two lists show it, which is also what they store: the group as
// ShownNumber of the groups, then the position as ShownNumber of that group's positions.
void ShowChannelChoice(const ChannelTable& table, std::uint8_t& group, std::uint8_t& position);

// A time of so many tenths of a second as the lists show it: "0.5", "2.5".
std::string TenthsOfSecondText(int tenths);
// The entries first, first + 1, ... last tenths of a second.
std::vector<std::string> TenthsOfSecondEntries(int first, int last);

// The position of a value in a list, -1 when it is not there.
int EntryOf(const std::vector<int>& entries, int value);

}  // namespace mox
