#pragma once

#include "records/RadioData.h"

namespace mox {

// Which channel commands are offered for the channel at the channel list's current position. Insert,
// delete, move up and move down are always offered.
struct ChannelCommandEnabling {
    bool CutCopy = false;  // the position holds a channel with a receive frequency
    bool Paste = false;    // a channel has been copied or cut in this run
};

ChannelCommandEnabling ChannelCommandsFor(const ChannelTable& table, int number, bool clipboardFull);

}  // namespace mox
