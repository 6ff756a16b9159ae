#include "app/ExchangeCommands.h"

#include <filesystem>

#include "app/EditSteps.h"
#include "exchange/ChannelCsvExport.h"
#include "exchange/DataDiff.h"
#include "files/DataFile.h"
#include "files/DocumentEdits.h"
#include "files/FileCommands.h"
#include "services/FileBytes.h"
#include "services/FileReplace.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr int kCsvFilterText = 31460;
constexpr int kFileErrorText = 9002;
// A channel list of 128 rows with long names and comments stays far below this.
constexpr std::size_t kLargestCsv = 16 * 1024 * 1024;

std::string DocumentFileName(const AppState& state) {
    return std::filesystem::path(state.Document.CurrentPath).filename().string();
}

}  // namespace

std::string ChannelCsvFilter(const Messages& messages) {
    return GetLanguageText(messages, kCsvFilterText) + " (*.csv)|*.csv";
}

std::optional<ImportReport> ImportChannels(AppState& state, FileDialogs& dialogs,
                                           const ImportOptions& options) {
    const auto path = dialogs.OpenFileName(ChannelCsvFilter(state), DialogStartFolder(state).string());
    if (!path)
        return std::nullopt;
    const auto bytes = ReadFileStart(*path, kLargestCsv + 1);
    if (!bytes || bytes->size() > kLargestCsv) {
        ShowMessage(state, kFileErrorText);
        return std::nullopt;
    }
    const ImportReport report =
        ImportChannelsCsv(std::string(bytes->begin(), bytes->end()), options, state.Data, state.Model);
    for (int number = 1; number <= kChannelCapacity; ++number)
        state.Redraw->ChannelChanged(number);
    state.Redraw->ChannelReferencesChanged();
    RecordEdit(state, ImportStep());
    return report;
}

bool ExportChannels(AppState& state, FileDialogs& dialogs) {
    const std::filesystem::path proposed =
        DialogStartFolder(state) / std::filesystem::path(DocumentFileName(state)).replace_extension(".csv");
    const auto path = dialogs.SaveFileName(ChannelCsvFilter(state), proposed.string());
    if (!path)
        return false;
    if (ReplaceFileContent(*state.Files, *path, ExportChannelsCsv(state.Data.Channels)))
        return true;
    ShowMessage(state, kFileErrorText);
    return false;
}

std::optional<std::vector<std::string>> CompareWithFile(AppState& state, FileDialogs& dialogs,
                                                        std::string* chosen) {
    const auto path = dialogs.OpenFileName(DataFileFilter(state), DialogStartFolder(state).string());
    if (!path)
        return std::nullopt;
    if (chosen != nullptr)
        *chosen = *path;
    const auto other = ReadDataFileRecords(state, *path);
    if (!other)
        return std::nullopt;
    return DiffDataFiles({state.Data, state.Companion}, {other->Data, other->Companion});
}

PrintedDocument DocumentToPrint(const AppState& state, const std::string& date) {
    return BuildPrintedDocument(state,
                                {state.Data, state.Companion, state.Model, DocumentFileName(state), date});
}

}  // namespace mox
