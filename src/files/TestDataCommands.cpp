#include "files/TestDataCommands.h"

#include "factory/TestDataFile.h"
#include "factory/TestDataText.h"
#include "files/FileCommands.h"

namespace mox {

namespace {

std::string TestDataFilter(const DocumentContext& state) {
    return TestDataDialogTexts(state.Language.CurrentLanguage).FileFilter;
}

// The document's name with ".ted", in the folder where the dialogs start; no name when the document is
// itself called *.ted.
std::string ProposedTestDataName(const DocumentContext& state) {
    const std::filesystem::path folder = DialogStartFolder(state);
    const auto ted = TestDataPathOf(state.Document.CurrentPath);
    if (!ted)
        return folder.string();
    return folder.empty() ? ted->filename().string() : (folder / ted->filename()).string();
}

}  // namespace

bool LoadTestDataCommand(const DocumentContext& state, FileDialogs& dialogs, TestData& copy) {
    const auto path = dialogs.OpenFileName(TestDataFilter(state), DialogStartFolder(state).string());
    return path && LoadTestDataFile(*path, copy);
}

bool SaveTestDataCommand(const DocumentContext& state, FileDialogs& dialogs, const TestData& copy) {
    const auto path = dialogs.SaveFileName(TestDataFilter(state), ProposedTestDataName(state));
    return path && SaveTestDataFile(*state.Files, *path, copy);
}

}  // namespace mox
