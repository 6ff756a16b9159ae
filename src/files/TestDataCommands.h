#pragma once

#include "factory/TestData.h"
#include "files/DocumentContext.h"
#include "files/FileDialogs.h"

namespace mox {

// The test data dialog's Load and Save. A cancelled file dialog or a file that cannot be read or
// written ends the command without a word; the dialog's copy then stays as it was.

// The open dialog for test data files; the chosen file's 16 bytes replace `copy`.
bool LoadTestDataCommand(const DocumentContext& state, FileDialogs& dialogs, TestData& copy);

// The save dialog proposes the document's name with ".ted" in place of its extension (never the data
// file itself, which 16 bytes would destroy); `copy` becomes the chosen file's content.
bool SaveTestDataCommand(const DocumentContext& state, FileDialogs& dialogs, const TestData& copy);

}  // namespace mox
