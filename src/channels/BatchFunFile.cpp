#include "channels/BatchFunFile.h"

#include <system_error>

#include "services/RecordFile.h"

namespace mox {

namespace {

std::filesystem::path BatchFunPath(const AppState& state) {
    return state.ProgramFolder / "BatchFun.ini";
}

}  // namespace

void LoadBatchItemSelection(AppState& state) {
    const std::filesystem::path file = BatchFunPath(state);
    std::error_code error;
    const bool exists = std::filesystem::exists(file, error);
    if (error)
        return;
    if (!exists) {
        state.BatchItems.fill(1);
        WriteBatchItemSelection(state);
        return;
    }
    const std::optional<std::string> record = ReadRecord(file, state.BatchItems.size());
    if (!record)
        return;
    for (std::size_t i = 0; i < state.BatchItems.size(); ++i)
        state.BatchItems[i] = (*record)[i] != 0 ? 1 : 0;
}

bool WriteBatchItemSelection(const AppState& state) {
    const std::string record(state.BatchItems.begin(), state.BatchItems.end());
    return WriteRecord(BatchFunPath(state), record);
}

}  // namespace mox
