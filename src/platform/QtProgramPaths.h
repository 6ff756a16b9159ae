#pragma once

#include "services/ProgramPaths.h"

namespace mox {

// The application name both programs run under: it names the per-user configuration folder
// (~/.config/moxcps), which the command-line tool shares with the desktop program.
inline constexpr const char* kApplicationName = "moxcps";

// Folder facts on Qt: writability as QFileInfo sees it and the per-user configuration folder of
// QStandardPaths::AppConfigLocation.
class QtFolderFacts : public FolderFacts {
public:
    bool IsWritableFolder(const std::filesystem::path& folder) const override;
    std::filesystem::path UserConfigFolder() const override;
};

// The paths of the running program, found from the folder of its executable; per-user settings are
// seeded from the shipped ones on the first start. Needs the application object and its name set to
// kApplicationName.
ProgramPaths RunningProgramPaths();

// What the program makes for the user as it works (backups/, traces/):
// QStandardPaths::AppDataLocation, shared by both programs. Needs the application name set.
std::filesystem::path UserDataFolder();

}  // namespace mox
