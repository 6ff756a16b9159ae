#pragma once

// The edits of a document as undo steps: every command that changes the data records one step when it
// is done, and undo and redo put the data of a step back in place.

#include "files/DocumentContext.h"

namespace mox {

DocumentSnapshot SnapshotOf(const DocumentContext& document);

// New, Open and Read start a fresh history; Save keeps it, and undoing back to what was saved counts
// as unchanged because IsDataChanged compares with the saved copy.
void StartHistory(DocumentContext& document);
// One step of what changed since the last (see EditHistory::Record); the views hear of a new step.
bool RecordEdit(DocumentContext& document, const StepName& name, int mergeKey = 0);
// What changed without the user's doing (a window showing restored data writes its values back) joins
// the data as they stand, without a step.
void AbsorbEdits(DocumentContext& document);
// The data of the step go back into the records. The caller shows them in every open window.
bool UndoEdit(DocumentContext& document);
bool RedoEdit(DocumentContext& document);

}  // namespace mox
