#include "cli/CliReorder.h"

#include <optional>
#include <ostream>

#include "app/ChannelCommand.h"
#include "channels/HabitsFile.h"
#include "cli/CliValues.h"
#include "cli/DataFileReport.h"
#include "files/DataFile.h"
#include "files/DocumentWindows.h"
#include "image/ChannelChanges.h"
#include "image/ChannelTable.h"

namespace mox::cli {
namespace {

// No windows to redraw and nobody to ask: the habits in force answer every question.
class QuietCommandShell : public ChannelCommandShell {
public:
    std::optional<ConfirmAnswer> Confirm(ConfirmKind) override { return std::nullopt; }
    void RefreshPosition(int, int) override {}
    void RefreshAll() override {}
    void MakeCurrentRow(int) override {}
};

std::optional<int> ChannelNumber(const std::string& text) {
    const std::optional<int> value = WholeNumber(text);
    if (!value || *value < 1 || *value > kChannelCapacity)
        return std::nullopt;
    return value;
}

int Group(int number) {
    return (number - 1) / kPositionsPerGroup;
}

int Position(int number) {
    return (number - 1) % kPositionsPerGroup + 1;
}

// The command to run at each channel, in order; copy is a copy and a paste.
struct Step {
    ChannelCommandCode Code;
    int Number;
};

std::optional<std::vector<Step>> StepsOf(const CliCommand& command, std::ostream& err) {
    std::vector<int> numbers;
    const std::size_t channels = command.Kind == CliCommandKind::Copy ? 2 : 1;
    for (std::size_t i = 0; i < channels; ++i) {
        const std::optional<int> number = ChannelNumber(command.Edits[i]);
        if (!number) {
            err << "moxcps-cli: no channel " << command.Edits[i] << " (channels are 1..128)\n";
            return std::nullopt;
        }
        numbers.push_back(*number);
    }
    switch (command.Kind) {
        case CliCommandKind::Copy:
            return std::vector<Step>{{ChannelCommandCode::Copy, numbers[0]},
                                     {ChannelCommandCode::Paste, numbers[1]}};
        case CliCommandKind::Insert:
            return std::vector<Step>{{ChannelCommandCode::Insert, numbers[0]}};
        case CliCommandKind::Delete:
            return std::vector<Step>{{ChannelCommandCode::Delete, numbers[0]}};
        default:
            break;
    }
    if (command.Edits[1] != "up" && command.Edits[1] != "down") {
        err << "moxcps-cli: move goes up or down, not " << command.Edits[1] << '\n';
        return std::nullopt;
    }
    const auto code = command.Edits[1] == "up" ? ChannelCommandCode::MoveUp : ChannelCommandCode::MoveDown;
    return std::vector<Step>{{code, numbers[0]}};
}

Habits HabitsFor(const AppState& state, const CliCommand& command) {
    Habits habits = ReadHabits(state.Paths.SettingsFolder);
    habits.PasteNoPrompt = true;
    habits.PasteInserts = false;
    habits.DeleteNoPrompt = true;
    if (command.CloseGap || command.KeepGap)
        habits.DeleteRemoves = command.CloseGap;
    return habits;
}

}  // namespace

int ReorderCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err) {
    const std::optional<std::vector<Step>> steps = StepsOf(command, err);
    if (!steps)
        return 2;
    AppState& state = session.State();
    NoDocumentWindows windows;
    if (!OpenDataFile(state, windows, command.File))
        return 1;
    state.Habit = HabitsFor(state, command);
    const ChannelTable before = state.Data.Channels;
    QuietCommandShell shell;
    for (const Step& step : *steps) {
        RunChannelCommand(state, step.Code, Group(step.Number), Position(step.Number), shell);
        if (step.Code == ChannelCommandCode::Copy && !state.Clipboard.Full) {
            err << "moxcps-cli: channel " << step.Number << " is empty, there is nothing to copy\n";
            return 2;
        }
    }
    if (!SaveDataFile(state, windows))
        return 1;
    // A channel the command removed is printed as its number alone.
    PrintChannelRows(state, ChangedAddedOrRemovedChannels(before, state.Data.Channels), out);
    return 0;
}

}  // namespace mox::cli
