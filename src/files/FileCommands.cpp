#include "files/FileCommands.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "files/DataChanged.h"
#include "files/DataFile.h"
#include "services/Texts.h"

namespace mox {

namespace {

// Where the per-user store keeps the folder last used in a file dialog.
constexpr std::string_view kDialogSection = "Settings";
constexpr std::string_view kLastFolderKey = "LastFolder";

// The part of a path after its last "/".
std::string FileNameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// The folder of a file chosen in a dialog, kept across runs.
void RememberDialogFolder(DocumentContext& state, const std::string& chosen) {
    const std::filesystem::path folder = std::filesystem::path(chosen).parent_path();
    if (!folder.empty())
        state.UserStore->Write(kDialogSection, kLastFolderKey, folder.string());
}

// Saves before the data are replaced. Data never saved go through the save dialog: saving them to
// "new.dat" in whatever folder the program runs from would hide the file from the user and
// overwrite an earlier one without asking.
bool SaveBeforeReplacing(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows) {
    return state.Document.IsNew ? FileSaveAs(state, dialogs, windows) : SaveDataFile(state, windows);
}

// The unsaved-changes warning before New and Open. False when the command must end: Cancel, or a save
// that did not happen (going on would lose the changes).
bool KeepOrSaveChanges(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows) {
    if (!IsDataChanged(state))
        return true;
    switch (ShowMessage(state, 9006, MsgButtons::YesNoCancel, MsgIcon::Warning)) {
        case MsgAnswer::Yes:
            return SaveBeforeReplacing(state, dialogs, windows);
        case MsgAnswer::No:
            return true;
        default:
            return false;
    }
}

using OpenFunction = bool (*)(DocumentContext&, DocumentWindows&, const std::filesystem::path&);

bool OpenWith(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows, OpenFunction open) {
    if (!KeepOrSaveChanges(state, dialogs, windows))
        return false;
    const auto path = dialogs.OpenFileName(DataFileFilter(state), DialogStartFolder(state).string());
    if (!path)
        return false;
    RememberDialogFolder(state, *path);
    windows.CloseAllChildWindows();
    return open(state, windows, *path);
}

// New from the File menu asks 9026 after the unsaved-changes warning; the tool bar's button does not.
void StartNewData(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows, bool askToStart) {
    if (!KeepOrSaveChanges(state, dialogs, windows))
        return;
    if (askToStart && ShowMessage(state, 9026, MsgButtons::OkCancel, MsgIcon::Warning) != MsgAnswer::Ok)
        return;
    windows.LoadNewDoc();
}

}  // namespace

std::string DataFileFilter(const Messages& messages) {
    return GetLanguageText(messages, 9001) + " (*.dat)|*.dat";
}

std::filesystem::path DialogStartFolder(const DocumentContext& state) {
    const std::filesystem::path candidates[] = {
        std::filesystem::path(state.Document.CurrentPath).parent_path(),
        std::filesystem::path(state.UserStore->Read(kDialogSection, kLastFolderKey, "")),
        state.DocumentsFolder,
    };
    for (const std::filesystem::path& folder : candidates) {
        std::error_code error;
        if (!folder.empty() && std::filesystem::is_directory(folder, error))
            return folder;
    }
    return {};
}

void FileNew(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows) {
    StartNewData(state, dialogs, windows, true);
}

void FileNewFromToolBar(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows) {
    StartNewData(state, dialogs, windows, false);
}

bool FileOpen(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows) {
    return OpenWith(state, dialogs, windows, &OpenDataFile);
}

bool FileOpenDirect(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows) {
    return OpenWith(state, dialogs, windows, &OpenDataFileDirect);
}

bool FileSave(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows) {
    if (state.Document.IsNew)
        return FileSaveAs(state, dialogs, windows);
    const std::string question =
        "\"" + FileNameOf(state.Document.CurrentPath) + "\"" + GetLanguageText(state, 9007);
    if (ShowText(state, question, MsgButtons::OkCancel, MsgIcon::Question, 9007) != MsgAnswer::Ok)
        return false;
    return SaveDataFile(state, windows);
}

bool FileSaveAs(DocumentContext& state, FileDialogs& dialogs, DocumentWindows& windows) {
    const std::filesystem::path folder = DialogStartFolder(state);
    const std::string name = FileNameOf(state.Document.CurrentPath);
    const auto path =
        dialogs.SaveFileName(DataFileFilter(state), folder.empty() ? name : (folder / name).string());
    if (!path)
        return false;
    RememberDialogFolder(state, *path);
    const std::string previous = state.Document.CurrentPath;
    state.Document.CurrentPath = *path;
    if (SaveDataFile(state, windows))
        return true;
    // The data still belong to the file they came from; the caption must not name a file that does
    // not hold them.
    state.Document.CurrentPath = previous;
    return false;
}

}  // namespace mox
