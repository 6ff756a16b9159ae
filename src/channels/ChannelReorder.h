#pragma once

// The channel commands' changes of the channel table: copy into the clipboard, clear, delete, insert,
// paste and move, each within one group of 16 positions. They renumber and copy whole records and
// never go through SetChannelField. A group is an index 0..7, a position 1..16, and position q of
// group g is channel 16 * g + q.

#include <vector>

#include "channels/ChannelEditState.h"
#include "records/RadioData.h"

namespace mox {

// The positions of the group whose channel changed, in ascending order, and whether the whole group
// did (when channels moved up or down along it).
struct ReorderResult {
    std::vector<int> Positions;
    bool WholeGroup = false;
};

// Copies the channel into the clipboard and marks it full; an empty position leaves the clipboard as
// it was. True when something was copied.
bool CopyChannel(const ChannelTable& table, ChannelClipboard& clipboard, int group, int position);

// Removes the channel at the position; with `closeGap` the later channels of the group move up one
// position and position 16 is left empty.
ReorderResult DeleteChannelAtPosition(ChannelTable& table, int group, int position, bool closeGap);

// The channels from the position to 15 move down one position, the channel at 16 is lost and the
// position is left empty, whatever the order of the records in the table.
ReorderResult InsertEmptyChannel(ChannelTable& table, int group, int position);

// Puts the clipboard's channel at the position, inserting it (the channels from there move down
// first) or overwriting the channel there. A clipboard record marked empty removes the channel there.
ReorderResult PasteChannel(ChannelTable& table, const ChannelClipboard& clipboard, int group, int position,
                           bool inserts);

// The position a move goes to: the one above or below, from 1 up to 16 and from 16 down to 1.
int MoveTarget(int position, bool up);
// Swaps the channels (or empty positions) at the position and its move target.
ReorderResult MoveChannel(ChannelTable& table, int group, int position, bool up);

}  // namespace mox
