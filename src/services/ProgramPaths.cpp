#include "services/ProgramPaths.h"

#include <system_error>

#include "services/IniFile.h"
#include "services/RecordFile.h"
#include "services/VersionRecords.h"

namespace mox {

namespace {

namespace fs = std::filesystem;

const char* const kSetupName = "mysetup.ini";
const char* const kProgramSettings[] = {"Setting.ini", "Habit.ini", "BatchFun.ini"};

// "/opt/moxcps/V200/" and "/opt/moxcps/V200" name the same folder; the parent of the first would be
// the folder itself.
fs::path WithoutTrailingSlash(const fs::path& folder) {
    fs::path normal = folder.lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The settings of a program whose own folders may not be written, in the per-user folder.
void MoveSettingsToUser(ProgramPaths& paths, const FolderFacts& facts) {
    const fs::path user = facts.UserConfigFolder();
    paths.SettingsFolder = user / kProgramVersion;
    paths.SetupFile = user / "language" / kSetupName;
}

// Copied byte for byte into a new file of the user's, which stays writable whatever the shipped
// file's permissions were.
void CopyIfMissing(const fs::path& shipped, const fs::path& target) {
    std::error_code error;
    if (fs::exists(target, error))
        return;
    std::string bytes;
    if (!ReadFileBytes(shipped, bytes))
        return;
    fs::create_directories(target.parent_path(), error);
    WriteRecord(target, bytes);
}

}  // namespace

ProgramPaths PortablePaths(const fs::path& programFolder) {
    ProgramPaths paths;
    paths.ProgramFolder = WithoutTrailingSlash(programFolder);
    paths.RootFolder = paths.ProgramFolder.parent_path();
    paths.SettingsFolder = paths.ProgramFolder;
    paths.SetupFile = paths.RootFolder / "language" / kSetupName;
    paths.VersionsFolder = paths.RootFolder;
    return paths;
}

ProgramPaths FindProgramPaths(const fs::path& executableFolder, const FolderFacts& facts) {
    const fs::path folder = WithoutTrailingSlash(executableFolder);
    const fs::path sharedRoot = folder.parent_path() / "share" / "moxcps";
    if (!IsFolder(folder / "language") && IsFolder(sharedRoot / kProgramVersion)) {
        ProgramPaths paths;
        paths.ProgramFolder = sharedRoot / kProgramVersion;
        paths.RootFolder = sharedRoot;
        paths.VersionsFolder = folder.parent_path() / "lib" / "moxcps";
        MoveSettingsToUser(paths, facts);
        return paths;
    }
    ProgramPaths paths = PortablePaths(folder);
    if (!facts.IsWritableFolder(paths.ProgramFolder))
        MoveSettingsToUser(paths, facts);
    return paths;
}

void SeedUserSettings(const ProgramPaths& paths) {
    if (paths.SettingsFolder == paths.ProgramFolder)
        return;
    std::error_code error;
    fs::create_directories(paths.SettingsFolder, error);
    CopyIfMissing(paths.RootFolder / "language" / kSetupName, paths.SetupFile);
    for (const char* name : kProgramSettings)
        CopyIfMissing(paths.ProgramFolder / name, paths.SettingsFolder / name);
}

}  // namespace mox
