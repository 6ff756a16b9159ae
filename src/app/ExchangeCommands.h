#pragma once

// The File menu's exchange commands: the channel list to and from CSV, the comparison of the data
// with a data file, and what a printout holds. The windows show what these return.

#include <optional>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "exchange/ChannelCsvImport.h"
#include "exchange/PrintedDocument.h"
#include "files/FileDialogs.h"

namespace mox {

// The filter of the CSV dialogs: text 31460 and " (*.csv)|*.csv".
std::string ChannelCsvFilter(const Messages& messages);

// The open dialog, then the import into the working data; the channel list, the channel editor and
// the scan and alert windows follow. Nothing when the dialog was cancelled or the file could not be
// read (message 9002).
std::optional<ImportReport> ImportChannels(AppState& state, FileDialogs& dialogs,
                                           const ImportOptions& options);

// The save dialog, proposing the document's name with ".csv"; message 9002 when the file cannot be
// written. True when it was written.
bool ExportChannels(AppState& state, FileDialogs& dialogs);

// The open dialog, then what differs from the working data to the chosen file. Nothing when the
// dialog was cancelled or the file could not be read (with Open's message). `chosen` gets the path.
std::optional<std::vector<std::string>> CompareWithFile(AppState& state, FileDialogs& dialogs,
                                                        std::string* chosen = nullptr);

// The printout of the working data under the document's file name, dated `date`.
PrintedDocument DocumentToPrint(const AppState& state, const std::string& date);

}  // namespace mox
