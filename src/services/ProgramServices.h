#pragma once

#include <filesystem>
#include <string>

#include "services/FileSystem.h"
#include "services/Messages.h"
#include "services/ProgramStarter.h"
#include "services/SettingsStore.h"
#include "services/VersionRecords.h"
#include "services/Views.h"

namespace mox {

// The program's place and the services every floor shares: the messages, the installed versions and
// the starter of another one, the per-user store, the views that follow changed channels and the file
// system documents are saved through. Until a shell installs its own, nothing is started, nothing is
// redrawn and the store is kept in memory; files go to the computer's own file system.
struct ProgramServices : Messages {
    ProgramServices()
        : Redraw(&m_noViews), Starter(&m_noStarter), UserStore(&m_memoryStore), Files(&SystemFiles()) {}

    // The file name of this program's executable; another installed version is started by the same
    // name in its own folder.
    std::string ExecutableName = "moxcps";
    // The user's documents folder, where the file dialogs start at first; empty when there is none.
    std::filesystem::path DocumentsFolder;
    bool VistaFlag = false;  // never set on this platform
    VersionRecords Versions;

    Views* Redraw;
    ProgramStarter* Starter;
    // The per-user settings store; in memory until the main window brings the program's own.
    SettingsStore* UserStore;
    FileSystem* Files;

private:
    NoViews m_noViews;
    NoProgramStarter m_noStarter;
    MemorySettingsStore m_memoryStore;
};

}  // namespace mox
