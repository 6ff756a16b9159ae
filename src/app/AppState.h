#pragma once

// The single process-wide values of the program, in one object that main creates and passes by
// reference. Tests create as many independent states as they like.

#include <filesystem>
#include <string>

#include "channels/ChannelEditState.h"
#include "factory/TestData.h"
#include "files/DocumentState.h"
#include "link/LinkSettings.h"
#include "link/TransferState.h"
#include "records/FeatureFlags.h"
#include "records/ModelState.h"
#include "records/RadioData.h"
#include "records/RadioImage.h"
#include "records/RadioInfo.h"
#include "services/LanguageState.h"
#include "services/ProgramStarter.h"
#include "services/Prompter.h"
#include "services/SettingsStore.h"
#include "services/VersionRecords.h"
#include "services/Views.h"

namespace mox {

struct AppState {
    AppState()
        : Prompts(&m_silentPrompter), Redraw(&m_noViews), Starter(&m_noStarter), UserStore(&m_memoryStore) {}
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // The folder of the executables and the delivered files; its parent is the root folder.
    std::filesystem::path ProgramFolder;
    // The file name of this program's executable; another installed version is started by the same
    // name in its own folder.
    std::string ExecutableName = "moxcps";
    std::string ProgramTitle;
    // The user's documents folder, where the file dialogs start at first; empty when there is none.
    std::filesystem::path DocumentsFolder;
    bool VistaFlag = false;  // never set on this platform

    LanguageState Language;
    VersionRecords Versions;
    ModelState Model;
    LinkSettings Link;
    TransferState Transfer;
    std::string ProgrammingPassword;
    FeatureFlags Features;

    // The working data and the copy last loaded or saved; IsDataChanged compares the two.
    RadioData Data;
    CompanionRecord Companion;
    RadioData SavedData;
    CompanionRecord SavedCompanion;
    DocumentState Document;
    bool InitialiseCommand = false;

    RadioImage Image{};
    RadioInfoBlock InfoBlock{};
    RadioInfo Info;
    FivePointPairs FivePoints{};

    bool FactoryTestMode = false;
    TestData WorkingTestData{};
    TestData SavedTestData{};

    ChannelEditState ChannelEdit;
    Habits Habit;
    BatchItemSelection BatchItems{};

    Prompter* Prompts;
    Views* Redraw;
    ProgramStarter* Starter;
    // The per-user settings store; in memory until the main window brings the program's own.
    SettingsStore* UserStore;

private:
    SilentPrompter m_silentPrompter;
    NoViews m_noViews;
    NoProgramStarter m_noStarter;
    MemorySettingsStore m_memoryStore;
};

}  // namespace mox
