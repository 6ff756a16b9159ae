#pragma once

// Where the program finds its files, in one place. Two layouts are known:
//
// - The staged tree or a portable copy: the program folder holds the executables and the delivered
//   files (language/, Init/, PIC/, the splash pictures); its parent, the root folder, holds
//   Version.ini and language/mysetup.ini, and one folder per installed version (V200/, V100/...).
// - An installation under a prefix (/usr, /usr/local, ~/.local): bin/ holds the executables,
//   share/moxcps/ is the delivered root folder (Version.ini, language/mysetup.ini as shipped, and
//   V200/ with this version's delivered files), and lib/moxcps/<version>/moxcps starts each installed
//   version, so switching versions works as in the staged tree.
//
// The program's own settings files (mysetup.ini with the port map, Setting.ini, Habit.ini,
// BatchFun.ini) stay beside the program only in a staged tree or portable copy the user may write
// to. Otherwise they live in the per-user configuration folder, laid out like a root folder:
// language/mysetup.ini shared by every version, and V200/ for this version's own files. An installed
// tree is never written, even by a user who could (root, a prefix in the home folder): it belongs
// to the package manager.

#include <filesystem>

namespace mox {

struct ProgramPaths {
    // The delivered, read-only files: language/, Init/, PIC/, StartE.jpg, StartC.jpg.
    std::filesystem::path ProgramFolder;
    // Version.ini, and language/mysetup.ini as shipped.
    std::filesystem::path RootFolder;
    // Setting.ini, Habit.ini, BatchFun.ini and the factory marker TestData.ini.
    std::filesystem::path SettingsFolder;
    // The mysetup.ini in force: link settings, first-run flag, language and port map.
    std::filesystem::path SetupFile;
    // <version tag>/<executable name> below it starts an installed program version.
    std::filesystem::path VersionsFolder;
};

// What the platform knows about folders.
class FolderFacts {
public:
    virtual ~FolderFacts() = default;
    // True when this user may create and change files in the folder.
    virtual bool IsWritableFolder(const std::filesystem::path& folder) const = 0;
    // The program's per-user configuration folder (it need not exist yet).
    virtual std::filesystem::path UserConfigFolder() const = 0;
};

// Everything beside the program: the layout of the staged tree and of a writable portable copy.
ProgramPaths PortablePaths(const std::filesystem::path& programFolder);

// The layout in force for a program whose executable lies in `executableFolder`.
ProgramPaths FindProgramPaths(const std::filesystem::path& executableFolder, const FolderFacts& facts);

// On the first start with per-user settings, copies the shipped settings files (mysetup.ini, and
// Setting.ini, Habit.ini and BatchFun.ini where a copy ships them) into the per-user folder. A file
// the user already has is never replaced. Nothing to do when the settings live beside the program.
void SeedUserSettings(const ProgramPaths& paths);

}  // namespace mox
