#pragma once

// Which channels a command changed, for reports that print those rows after the command.

#include <vector>

#include "records/RadioData.h"

namespace mox {

// The numbers, ascending, of the channels that exist afterwards and were added or hold other values.
std::vector<int> ChangedOrAddedChannels(const ChannelTable& before, const ChannelTable& after);
// The same, together with the channels that existed before and exist no more.
std::vector<int> ChangedAddedOrRemovedChannels(const ChannelTable& before, const ChannelTable& after);

}  // namespace mox
