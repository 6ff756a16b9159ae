#pragma once

// BatchFun.ini in the program folder: which items the batch set-up applies, one byte per item,
// 20 bytes.

#include "app/AppState.h"

namespace mox {

// Called once at start-up. An existing file gives the selection (any non-zero byte selects its
// item); a missing one selects every item and is written so. A file that cannot be read leaves the
// selection as it was.
void LoadBatchItemSelection(AppState& state);

// False on failure, which the caller does not report.
bool WriteBatchItemSelection(const AppState& state);

}  // namespace mox
