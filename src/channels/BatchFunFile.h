#pragma once

// BatchFun.ini in the settings folder: which items the batch set-up applies, one byte per item,
// 20 bytes.

#include <filesystem>

#include "channels/ChannelEditState.h"

namespace mox {

// Called once at start-up. An existing file gives the selection (any non-zero byte selects its
// item); a missing one selects every item and is written so. A file that cannot be read leaves the
// selection as it was.
void LoadBatchItemSelection(BatchItemSelection& items, const std::filesystem::path& settingsFolder);

// False on failure, which the caller does not report.
bool WriteBatchItemSelection(const BatchItemSelection& items, const std::filesystem::path& settingsFolder);

}  // namespace mox
