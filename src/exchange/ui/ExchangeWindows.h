#pragma once

#include "app/AppState.h"
#include "files/FileDialogs.h"

class QWidget;

namespace mox {

// File ▸ Import channels...: the options, the file, the import, then its report.
void ImportChannelsWithReport(AppState& state, FileDialogs& dialogs, QWidget* parent);
// File ▸ Compare with file...: the file, then the differences in a window.
void CompareWithFileWindow(AppState& state, FileDialogs& dialogs, QWidget* parent);
// File ▸ Print: the print preview of the channel list and the settings, from which the user prints
// or saves a PDF.
void PrintPreview(AppState& state, QWidget* parent);

}  // namespace mox
