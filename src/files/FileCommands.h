#pragma once

#include <filesystem>
#include <string>

#include "files/DocumentContext.h"
#include "files/DocumentWindows.h"
#include "files/FileDialogs.h"

namespace mox {

// The filter of the open and save dialogs: text 9001 and " (*.dat)|*.dat".
std::string DataFileFilter(const Messages& messages);

// Where the open and save dialogs start: the current document's folder, else the folder last used in
// one of them (kept in the per-user store), else the user's documents folder; a folder that no longer
// exists is passed over. Empty when there is none.
std::filesystem::path DialogStartFolder(const DocumentContext& state);

// The File menu commands, shared by the main window and the command-line tool. A cancelled file
// dialog changes neither the data nor the current path.

// Changed data: warning 9006. Yes saves first (through Save As for data never saved), No goes on,
// Cancel or a save that did not happen ends the command. Then warning 9026, whose OK starts new data
// (LoadNewDoc).
void FileNew(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows);

// The tool bar's New button: as FileNew, without the 9026 question.
void FileNewFromToolBar(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows);

// Changed data: warning 9006 (Yes saves first, Cancel ends); the open dialog, the child windows are
// closed and the chosen file is opened (OpenDataFile). True when a file was loaded.
bool FileOpen(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows);

// The second open command: as FileOpen with OpenDataFileDirect.
bool FileOpenDirect(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows);

// New data: Save As. Otherwise the question "<file name>" + text 9007, whose OK saves to the current
// path. True when the data were saved.
bool FileSave(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows);

// The save dialog proposing the current file name in the folder where the dialogs start; the chosen path
// becomes the current path when the save succeeds. True when the data were saved.
bool FileSaveAs(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows);

}  // namespace mox
