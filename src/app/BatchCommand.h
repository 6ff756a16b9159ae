#pragma once

#include "app/AppState.h"
#include "channels/BatchSetup.h"

namespace mox {

// Apply of the batch dialog on the document: the channels of the range change as ApplyBatch says, and
// the whole Apply is one undo step named after the range.
void ApplyBatchToDocument(AppState& state, BatchFields& fields, const ToneDraw& draw);

}  // namespace mox
