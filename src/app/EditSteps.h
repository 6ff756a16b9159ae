#pragma once

// The names of the undo steps and the state of the Undo and Redo commands.

#include <string>

#include "app/AppState.h"
#include "app/ChannelCommand.h"
#include "files/EditHistory.h"

namespace mox {

// The windows whose edits are steps of their own, one name each.
enum class EditorStep { OptionalFeatures, Dtmf, Keys, Scan, Alert, EmbeddedMessage, TestData };

// "Change receive frequency of channel 5": a value stored into one column of a channel.
StepName ChannelFieldStep(int number, int column);
// "Delete channel 12": a channel command at a channel; copy and the habits change no data.
StepName ChannelCommandStep(ChannelCommandCode code, int number);
StepName BatchStep(int firstChannel, int lastChannel);
StepName ImportStep();
StepName EditorStepName(EditorStep editor);
// Keystrokes typed into one text box of an editor merge into one step; each box has its own key.
int TypingMergeKey(EditorStep editor, int box);

// A step's name in the language in force.
std::string StepText(const Messages& messages, const StepName& name);

// The Undo and Redo entries: captioned with the step they would take back, disabled when there is
// none or while the document is locked (a transfer runs and its data must stay as they are).
struct UndoCommandState {
    bool UndoEnabled = false;
    bool RedoEnabled = false;
    std::string UndoCaption;
    std::string RedoCaption;
    std::string UndoToolTip;
    std::string RedoToolTip;
};
bool DocumentLocked(const AppState& state);
UndoCommandState UndoCommandsOf(const AppState& state, bool documentLocked);

// Records the edit of one of the editor windows. The window keeps one and calls it after each change;
// a window shown on records outside a document has one made without a document, which records nothing.
class EditorSteps {
public:
    EditorSteps() = default;
    EditorSteps(DocumentContext& document, EditorStep editor) : m_document(&document), m_editor(editor) {}
    // A choice in a list or a box ticked: a step of its own.
    void Changed() const;
    // Text typed into box `box`: merges with the keystrokes before it in the same box.
    void Typed(int box) const;

private:
    DocumentContext* m_document = nullptr;
    EditorStep m_editor = EditorStep::OptionalFeatures;
};

}  // namespace mox
