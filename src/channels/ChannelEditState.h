#pragma once

#include <array>
#include <cstdint>

#include "records/RadioData.h"

namespace mox {

// Where the channel list and the channel editor stand; shared by both windows.
struct ChannelEditState {
    int CurrentGroup = 0;  // group index 0..7 shown in the channel list
    int EditGroup = 0;     // group index 0..7 of the channel being edited
    int EditField = 1;     // column 1..10 of the cell last entered
    int EditRow = 1;       // position 1..16 of that cell
    bool ChannelListOpen = false;
    bool ChannelEditorOpen = false;
};

// The one channel that copy and cut keep for paste. It is full from the first copy or cut of the run
// on, across new documents, reads and file loads.
struct ChannelClipboard {
    ChannelRecord Record{};
    bool Full = false;
};

// The five edit-command habits of Habit.ini, in file order.
struct Habits {
    bool PasteNoPrompt = false;
    bool PasteInserts = false;
    bool DeleteNoPrompt = false;
    bool DeleteRemoves = false;
    bool ShowTxAsShift = false;
};

// One byte per batch item, 1 = apply (BatchFun.ini).
using BatchItemSelection = std::array<std::uint8_t, 20>;

}  // namespace mox
