#include "files/DocumentEdits.h"

namespace mox {

namespace {

// Assigned field by field into the records the windows hold references to.
void Restore(DocumentContext& document, const DocumentSnapshot& snapshot) {
    document.Data = snapshot.Data;
    document.Companion = snapshot.Companion;
    document.WorkingTestData = snapshot.WorkingTestData;
}

bool TakeStep(DocumentContext& document, bool (EditHistory::*take)(DocumentSnapshot&)) {
    DocumentSnapshot current = SnapshotOf(document);
    if (!(document.History.*take)(current))
        return false;
    Restore(document, current);
    document.Redraw->HistoryChanged();
    return true;
}

}  // namespace

DocumentSnapshot SnapshotOf(const DocumentContext& document) {
    return {document.Data, document.Companion, document.WorkingTestData};
}

void StartHistory(DocumentContext& document) {
    document.History.Start(SnapshotOf(document));
    document.Redraw->HistoryChanged();
}

bool RecordEdit(DocumentContext& document, const StepName& name, int mergeKey) {
    if (!document.History.Record(SnapshotOf(document), name, mergeKey))
        return false;
    document.Redraw->HistoryChanged();
    return true;
}

void AbsorbEdits(DocumentContext& document) {
    document.History.Absorb(SnapshotOf(document));
}

bool UndoEdit(DocumentContext& document) {
    return TakeStep(document, &EditHistory::Undo);
}

bool RedoEdit(DocumentContext& document) {
    return TakeStep(document, &EditHistory::Redo);
}

}  // namespace mox
