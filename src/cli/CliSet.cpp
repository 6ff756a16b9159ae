#include "cli/CliSet.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "app/ChannelFieldCommand.h"
#include "channels/ChannelEditorFields.h"
#include "channels/ChannelGrid.h"
#include "cli/CliValues.h"
#include "cli/DataFileReport.h"
#include "codecs/Frequency.h"
#include "codecs/Tones.h"
#include "codecs/TypedFrequency.h"
#include "files/DataFile.h"
#include "files/DocumentWindows.h"
#include "image/ChannelTable.h"
#include "services/FoldedText.h"
#include "services/Texts.h"

namespace mox::cli {
namespace {

enum class FieldKind { Rx, Tx, Tone, GridList, EditorList, EditorCheck };

// A field a user names: the grid's columns by short names, the editor's other fields by their own.
struct CliField {
    const char* Name;
    FieldKind Kind;
    int Column;              // of SetChannelField, and the grid's column of a GridList field
    int EditorControl = -1;  // EditorList / EditorCheck: the editor's list or check box
};

const std::vector<CliField>& Fields() {
    using K = FieldKind;
    static const std::vector<CliField> fields = {
        {"rx", K::Rx, 1},
        {"tx", K::Tx, 2},
        {"rxtone", K::Tone, 4},
        {"txtone", K::Tone, 5},
        {"power", K::GridList, GridColumn::Power},
        {"skip", K::GridList, GridColumn::Skip},
        {"signalling", K::GridList, GridColumn::Signalling},
        {"spacing", K::GridList, GridColumn::Spacing},
        {"PttId", K::EditorList, 10, 4},
        {"BusyLock", K::EditorList, 11, 6},
        {"ReverseOrTalkaround", K::EditorList, 12, 7},
        {"AutoDial1", K::EditorList, 13, 8},
        {"SignallingRelation", K::EditorList, 21, 9},
        {"AutoDial2", K::EditorList, 22, 10},
        {"VoiceScramble", K::EditorCheck, 14, 1},
        {"TxInhibit", K::EditorCheck, 15, 2},
        {"Talkaround", K::EditorCheck, 16, 3},
        {"Reverse", K::EditorCheck, 17, 4},
        {"Whisper", K::EditorCheck, 18, 5},
        {"Compander", K::EditorCheck, 19, 6},
    };
    return fields;
}

const CliField* FindField(const std::string& name) {
    for (const CliField& field : Fields()) {
        if (FoldedText(field.Name) == FoldedText(name))
            return &field;
    }
    return nullptr;
}

bool TypedAsAFrequency(const std::string& text, bool signs) {
    return std::all_of(text.begin(), text.end(), [signs](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code >= 32 && KeepsTypedCharacter(code, signs);
    });
}

// The entries of the channel list's own list for the column, in English.
std::optional<int> GridEntry(AppState& state, const CliField& field, const std::string& text) {
    const std::vector<std::string> entries =
        GridListEntries([&state](int number) { return EnglishText(state, number); })[field.Column];
    const int count = static_cast<int>(entries.size());
    if (const std::optional<int> index = WholeNumber(text); index && *index >= 0 && *index < count)
        return index;
    for (int i = 0; i < count; ++i) {
        if (FoldedText(entries[static_cast<std::size_t>(i)]) == FoldedText(text))
            return i;
    }
    return std::nullopt;
}

// The editor offers what it offers for this channel now (the busy locks its tone allows, the
// auto-dial memories in use); an empty position is judged as a new channel would be.
std::optional<int> EditorValue(AppState& state, const CliField& field, int number, const std::string& text) {
    const std::optional<int> value = WholeNumber(text);
    if (!value)
        return std::nullopt;
    if (field.Kind == FieldKind::EditorCheck)
        return *value == 0 || *value == 1 ? value : std::nullopt;
    const ChannelRecord* found = FindChannel(state.Data.Channels, number);
    const ChannelRecord record = found != nullptr ? *found : ChannelRecord{};
    const EditorList& list = EditorLists()[static_cast<std::size_t>(field.EditorControl)];
    const std::vector<int> offered = OfferedValues(list, record, state.Data.Functions.Dtmf);
    return std::find(offered.begin(), offered.end(), *value) != offered.end() ? value : std::nullopt;
}

std::optional<int> ListValue(AppState& state, const CliField& field, int number, const std::string& text) {
    if (field.Kind == FieldKind::Tone)
        return ToneCode(state, text);
    if (field.Kind == FieldKind::GridList)
        return GridEntry(state, field, text);
    return EditorValue(state, field, number, text);
}

// What SetChannelField gets for a value, as the grid or the editor would pass it: a receive frequency
// formatted as its cell shows it, a transmit text as typed (a number only), a list's stored value.
std::optional<std::string> StoredText(AppState& state, const CliField& field, int number,
                                      const std::string& text) {
    const bool shift = state.Habit.ShowTxAsShift;
    if (field.Kind == FieldKind::Rx)
        return TypedAsAFrequency(text, false) ? std::optional(FormatTypedFrequency(text)) : std::nullopt;
    if (field.Kind == FieldKind::Tx)
        return TypedAsAFrequency(text, shift) && IsNumericText(text) ? std::optional(text) : std::nullopt;
    const std::optional<int> value = ListValue(state, field, number, text);
    return value ? std::optional(std::to_string(*value)) : std::nullopt;
}

}  // namespace

int SetCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err) {
    const std::vector<std::string>& edits = command.Edits;
    const std::optional<int> number = WholeNumber(edits[0]);
    if (!number || *number < 1 || *number > kChannelCapacity) {
        err << "moxcps-cli: no channel " << edits[0] << " (channels are 1..128)\n";
        return 2;
    }
    std::vector<const CliField*> fields;
    for (std::size_t i = 1; i < edits.size(); i += 2) {
        fields.push_back(FindField(edits[i]));
        if (fields.back() == nullptr) {
            err << "moxcps-cli: no field " << edits[i] << '\n';
            return 2;
        }
    }
    AppState& state = session.State();
    NoDocumentWindows windows;
    if (!OpenDataFile(state, windows, command.File))
        return 1;
    state.Habit.ShowTxAsShift = command.Shift;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& value = edits[2 * i + 2];
        const std::optional<std::string> stored = StoredText(state, *fields[i], *number, value);
        if (!stored) {
            err << "moxcps-cli: " << fields[i]->Name << " does not take \"" << value << "\"\n";
            return 2;
        }
        SetChannelField(state, *number, fields[i]->Column, *stored);
    }
    if (!SaveDataFile(state, windows))
        return 1;
    PrintChannelRow(state, *number, out);
    return 0;
}

}  // namespace mox::cli
