#include "channels/BatchFunFile.h"

#include <system_error>

#include "services/RecordFile.h"

namespace mox {

namespace {

std::filesystem::path BatchFunPath(const std::filesystem::path& settingsFolder) {
    return settingsFolder / "BatchFun.ini";
}

}  // namespace

void LoadBatchItemSelection(BatchItemSelection& items, const std::filesystem::path& settingsFolder) {
    const std::filesystem::path file = BatchFunPath(settingsFolder);
    std::error_code error;
    const bool exists = std::filesystem::exists(file, error);
    if (error)
        return;
    if (!exists) {
        items.fill(1);
        WriteBatchItemSelection(items, settingsFolder);
        return;
    }
    const std::optional<std::string> record = ReadRecord(file, items.size());
    if (!record)
        return;
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i] = (*record)[i] != 0 ? 1 : 0;
}

bool WriteBatchItemSelection(const BatchItemSelection& items, const std::filesystem::path& settingsFolder) {
    const std::string record(items.begin(), items.end());
    return WriteRecord(BatchFunPath(settingsFolder), record);
}

}  // namespace mox
