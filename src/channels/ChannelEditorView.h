#pragma once

// What the channel editor shows for one channel: the window fills its lists and check boxes from
// ChannelEditorContents.

#include <array>
#include <vector>

#include "channels/ChannelEditState.h"
#include "channels/ChannelEditorFields.h"
#include "services/Views.h"

namespace mox {

// Channel number of the editor's group chooser index (0..7) and position (1..16).
int EditorChannelNumber(int groupIndex, int position);

struct ChannelEditorContents {
    bool Exists = false;  // false: an empty position, where only the receive frequency can be typed
    // Per list: the stored values it offers in entry order and the entry shown (-1: an empty entry).
    std::array<std::vector<int>, kEditorListCount> Offered;
    std::array<int, kEditorListCount> ShownEntry{};
    std::array<bool, kEditorCheckCount> Checked{};
    std::array<bool, kEditorCheckCount> CheckEnabled{};
};

// Shows channel `number`. A busy lock of 2 that has lost its tone becomes 1 in the record first, so
// the list never offers or shows a lockout the channel cannot have.
ChannelEditorContents ShowChannelInEditor(ChannelTable& table, const DtmfSettings& dtmf, int number);

// The editor's own choosers name the channel: the shared edit position follows them, and a group
// other than the one being edited makes the channel list follow (EditGroupChanged). No position chosen (0)
// means position 1. Returns the channel number.
int TakeEditorChoosers(ChannelEditState& edit, Views& views, int groupIndex, int position);

}  // namespace mox
