#include "app/ChannelCommand.h"

#include "app/EditSteps.h"
#include "channels/HabitsFile.h"
#include "files/DocumentEdits.h"
#include "image/ChannelTable.h"

namespace mox {

namespace {

// Asks unless the habits say not to; an answer changes the habits and is kept in Habit.ini, whose
// failure to be written goes unreported.
void AskFirst(AppState& state, ConfirmKind kind, ChannelCommandShell& shell) {
    if (!AsksFirst(state.Habit, kind))
        return;
    if (const std::optional<ConfirmAnswer> answer = shell.Confirm(kind)) {
        TakeConfirmAnswer(state.Habit, kind, *answer);
        WriteHabits(state.Habit, state.Paths.SettingsFolder);
    }
}

void Refresh(const ReorderResult& result, int group, int position, ChannelCommandShell& shell) {
    if (result.WholeGroup)
        shell.RefreshAll();
    shell.RefreshPosition(group, position);
}

ReorderResult Delete(AppState& state, int group, int position, ChannelCommandShell& shell) {
    AskFirst(state, ConfirmKind::Delete, shell);
    const ReorderResult result =
        DeleteChannelAtPosition(state.Data.Channels, group, position, state.Habit.DeleteRemoves);
    Refresh(result, group, position, shell);
    return result;
}

ReorderResult Paste(AppState& state, int group, int position, ChannelCommandShell& shell) {
    AskFirst(state, ConfirmKind::Paste, shell);
    const ReorderResult result =
        PasteChannel(state.Data.Channels, state.Clipboard, group, position, state.Habit.PasteInserts);
    Refresh(result, group, position, shell);
    return result;
}

ReorderResult Move(AppState& state, int group, int position, bool up, ChannelCommandShell& shell) {
    const ReorderResult result = MoveChannel(state.Data.Channels, group, position, up);
    const int target = MoveTarget(position, up);
    shell.RefreshPosition(group, position);
    shell.RefreshPosition(group, target);
    shell.MakeCurrentRow(target);
    return result;
}

ReorderResult Run(AppState& state, ChannelCommandCode code, int group, int position,
                  ChannelCommandShell& shell) {
    switch (code) {
        case ChannelCommandCode::Cut:
            CopyChannel(state.Data.Channels, state.Clipboard, group, position);
            return Delete(state, group, position, shell);
        case ChannelCommandCode::Paste:
            return Paste(state, group, position, shell);
        case ChannelCommandCode::Insert: {
            const ReorderResult result = InsertEmptyChannel(state.Data.Channels, group, position);
            Refresh(result, group, position, shell);
            return result;
        }
        case ChannelCommandCode::Delete:
            return Delete(state, group, position, shell);
        case ChannelCommandCode::MoveUp:
        case ChannelCommandCode::MoveDown:
            return Move(state, group, position, code == ChannelCommandCode::MoveUp, shell);
        default:
            return {};
    }
}

}  // namespace

ReorderResult RunChannelCommand(AppState& state, ChannelCommandCode code, int group, int position,
                                ChannelCommandShell& shell) {
    if (group < 0 || group >= kGroupCount || position < 1 || position > kPositionsPerGroup)
        return {};
    if (code == ChannelCommandCode::Copy) {
        CopyChannel(state.Data.Channels, state.Clipboard, group, position);
        return {};
    }
    if (code == ChannelCommandCode::None || code == ChannelCommandCode::Habits)
        return {};
    const ReorderResult result = Run(state, code, group, position, shell);
    RevalidateChannelReferences(state.Data);
    state.Redraw->ChannelReferencesChanged();
    RecordEdit(state, ChannelCommandStep(code, group * kPositionsPerGroup + position));
    return result;
}

void ChooseHabits(AppState& state, const Habits& chosen) {
    state.Habit = chosen;
    WriteHabits(state.Habit, state.Paths.SettingsFolder);
}

}  // namespace mox
