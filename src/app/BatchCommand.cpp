#include "app/BatchCommand.h"

#include "app/EditSteps.h"
#include "files/DocumentEdits.h"

namespace mox {

void ApplyBatchToDocument(AppState& state, BatchFields& fields, const ToneDraw& draw) {
    ApplyBatch(fields, state.BatchItems, {state.Data.Channels, state.Model, state, draw});
    const auto [first, last] = BatchRange(fields);
    RecordEdit(state, BatchStep(first, last));
}

}  // namespace mox
