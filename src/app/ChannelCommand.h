#pragma once

// The channel commands of the channel edit menu, its pop-up and the tool bar, run at the channel
// list's current position, and by the command-line tool on a data file.

#include <optional>

#include "app/AppState.h"
#include "channels/ChannelCommandQuestion.h"
#include "channels/ChannelReorder.h"

namespace mox {

// The codes the main window keeps while a command waits for its timer (0: none).
enum class ChannelCommandCode { None = 0, Cut, Copy, Paste, Insert, Delete, MoveUp, MoveDown, Habits };

// What a command asks of the windows around it.
class ChannelCommandShell {
public:
    // Asks before a paste or a delete (FrmMsgConfirm); nothing when the question was closed without
    // an answer, and the command then goes on with the habits as they were.
    virtual std::optional<ConfirmAnswer> Confirm(ConfirmKind kind) = 0;
    // The channel list redraws the row of this position; the channel editor shows its channel again
    // when it shows this position.
    virtual void RefreshPosition(int group, int position) = 0;
    // The channel list redraws its group; the channel editor follows the list.
    virtual void RefreshAll() = 0;
    // The channel list's current row becomes this position, so a repeated move carries the channel on.
    virtual void MakeCurrentRow(int position) = 0;

protected:
    ~ChannelCommandShell() = default;
};

// Runs cut, copy, paste, insert, delete, move up or move down for position 1..16 of group 0..7. An
// answered question changes the habits and rewrites Habit.ini. After every command but copy the scan
// and alert references are checked again and their windows told. Returns what changed.
ReorderResult RunChannelCommand(AppState& state, ChannelCommandCode code, int group, int position,
                                ChannelCommandShell& shell);

// The habits dialog's OK: the habits become the chosen ones and Habit.ini is written.
void ChooseHabits(AppState& state, const Habits& chosen);

}  // namespace mox
