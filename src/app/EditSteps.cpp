#include "app/EditSteps.h"

#include <vector>

#include "files/DocumentEdits.h"
#include "services/FilledText.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr int kUndoText = 32000;         // "&Undo {0}"
constexpr int kRedoText = 32001;         // "&Redo {0}"
constexpr int kUndoNothingText = 32002;  // "&Undo"
constexpr int kRedoNothingText = 32003;  // "&Redo"
constexpr int kUndoButtonText = 32004;   // "Undo (Ctrl+Z)"
constexpr int kRedoButtonText = 32005;   // "Redo (Ctrl+Y)"
constexpr int kUndoTipText = 32006;      // "Undo {0}"
constexpr int kRedoTipText = 32007;      // "Redo {0}"
constexpr int kFieldStepText = 32010;    // "Change {1} of channel {0}"
constexpr int kChannelStepText = 32011;  // "Change channel {0}"
constexpr int kCutText = 32012;
constexpr int kBatchText = 32018;
constexpr int kImportText = 32019;
constexpr int kFirstEditorText = 32020;
// The name of the field of column c is text kFieldNames + c.
constexpr int kFieldNames = 32040;
constexpr int kLastColumn = 22;

bool ColumnHasName(int column) {
    return column >= 1 && column <= kLastColumn && column != 3 && column != 20;
}

std::string Caption(const Messages& messages, const StepName* step, int filled, int nothing) {
    if (step == nullptr)
        return GetLanguageText(messages, nothing);
    return FilledText(GetLanguageText(messages, filled), {StepText(messages, *step)});
}

}  // namespace

StepName ChannelFieldStep(int number, int column) {
    if (!ColumnHasName(column))
        return {kChannelStepText, {std::to_string(number)}, {}};
    return {kFieldStepText, {std::to_string(number)}, {kFieldNames + column}};
}

StepName ChannelCommandStep(ChannelCommandCode code, int number) {
    int text = 0;
    switch (code) {
        case ChannelCommandCode::Cut:
            text = kCutText;
            break;
        case ChannelCommandCode::Paste:
            text = kCutText + 1;
            break;
        case ChannelCommandCode::Insert:
            text = kCutText + 2;
            break;
        case ChannelCommandCode::Delete:
            text = kCutText + 3;
            break;
        case ChannelCommandCode::MoveUp:
            text = kCutText + 4;
            break;
        case ChannelCommandCode::MoveDown:
            text = kCutText + 5;
            break;
        default:
            text = kChannelStepText;
            break;
    }
    return {text, {std::to_string(number)}, {}};
}

StepName BatchStep(int firstChannel, int lastChannel) {
    return {kBatchText, {std::to_string(firstChannel), std::to_string(lastChannel)}, {}};
}

StepName ImportStep() {
    return {kImportText, {}, {}};
}

StepName EditorStepName(EditorStep editor) {
    return {kFirstEditorText + static_cast<int>(editor), {}, {}};
}

int TypingMergeKey(EditorStep editor, int box) {
    return (static_cast<int>(editor) + 1) * 100 + box;
}

std::string StepText(const Messages& messages, const StepName& name) {
    std::vector<std::string> values = name.Values;
    for (int text : name.Texts)
        values.push_back(GetLanguageText(messages, text));
    const std::string text = GetLanguageText(messages, name.Text);
    switch (values.size()) {
        case 0:
            return text;
        case 1:
            return FilledText(text, {values[0]});
        default:
            return FilledText(text, {values[0], values[1]});
    }
}

// A transfer runs, or several radios are being written from these data.
bool DocumentLocked(const AppState& state) {
    return state.Transfer.Kind != TransferKind::None || state.Document.Locked;
}

UndoCommandState UndoCommandsOf(const AppState& state, bool documentLocked) {
    const StepName* undo = state.History.NextUndo();
    const StepName* redo = state.History.NextRedo();
    UndoCommandState commands;
    commands.UndoEnabled = undo != nullptr && !documentLocked;
    commands.RedoEnabled = redo != nullptr && !documentLocked;
    commands.UndoCaption = Caption(state, undo, kUndoText, kUndoNothingText);
    commands.RedoCaption = Caption(state, redo, kRedoText, kRedoNothingText);
    commands.UndoToolTip = Caption(state, undo, kUndoTipText, kUndoButtonText);
    commands.RedoToolTip = Caption(state, redo, kRedoTipText, kRedoButtonText);
    return commands;
}

void EditorSteps::Changed() const {
    if (m_document != nullptr)
        RecordEdit(*m_document, EditorStepName(m_editor));
}

void EditorSteps::Typed(int box) const {
    if (m_document != nullptr)
        RecordEdit(*m_document, EditorStepName(m_editor), TypingMergeKey(m_editor, box));
}

}  // namespace mox
