#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "factory/TestData.h"
#include "records/RadioData.h"

namespace mox {

// Everything of the document that an edit can change. A whole copy is a few kilobytes, so each step
// keeps the data as they were before it: undo and redo give the records back byte for byte, whatever
// the edit did (random tones of the batch set-up, channels renumbered by a move, settings a window
// wrote back), without an inverse for each kind of edit that could get one case wrong.
struct DocumentSnapshot {
    RadioData Data;
    CompanionRecord Companion;
    TestData WorkingTestData{};

    bool operator==(const DocumentSnapshot&) const = default;
};

// A step's name: a text of the language files and what its "{n}" stand for, first the values, then
// further texts by number, so that the name reads in the language in force whenever it is shown.
struct StepName {
    int Text = 0;
    std::vector<std::string> Values;
    std::vector<int> Texts;

    bool operator==(const StepName&) const = default;
};

// The undo and redo steps of one document. The history knows the data as they were after the last
// step (its baseline); recording compares the document with it, so an edit that changed nothing
// makes no step.
class EditHistory {
public:
    static constexpr std::size_t kMaxSteps = 1000;

    // A fresh history for data just made, opened or read.
    void Start(const DocumentSnapshot& current);
    // Makes a step of what changed since the last one, unless nothing did. Steps of the same merge key
    // (not 0) that follow each other become one, such as the keystrokes typed into one text box; one
    // that brings the data back to where the step began leaves no step at all. A new step drops the
    // redo steps; the oldest step goes beyond kMaxSteps. Returns whether the steps changed.
    bool Record(const DocumentSnapshot& current, const StepName& name, int mergeKey = 0);
    // Takes what changed without a step: the values a window writes back when it shows them.
    void Absorb(const DocumentSnapshot& current);
    // Gives `current` the data before the last step (undo) or after the last undone one (redo) and
    // keeps what it held for the way back. False when there is no such step.
    bool Undo(DocumentSnapshot& current);
    bool Redo(DocumentSnapshot& current);

    std::size_t UndoCount() const { return m_undo.size(); }
    std::size_t RedoCount() const { return m_redo.size(); }
    // The step that undo or redo would take back, or nullptr.
    const StepName* NextUndo() const;
    const StepName* NextRedo() const;

private:
    struct Step {
        StepName Name;
        int MergeKey = 0;
        DocumentSnapshot Data;  // before the step on the undo side, after it on the redo side
    };

    std::deque<Step> m_undo;
    std::vector<Step> m_redo;
    DocumentSnapshot m_baseline;
    bool m_mergeOpen = false;
};

}  // namespace mox
