#include "app/Startup.h"

#include "app/FeatureFlagsFile.h"
#include "app/LanguageChoice.h"
#include "app/NewRadioData.h"
#include "app/ProgramVersion.h"
#include "channels/BatchFunFile.h"
#include "channels/HabitsFile.h"
#include "factory/FactoryMarker.h"
#include "image/Models.h"
#include "link/LinkSettingsFile.h"
#include "services/SetupFile.h"
#include "services/Texts.h"

namespace mox {

namespace {

// Both language numbers start as the locale's; a stored language replaces only the current one, so
// the main window takes it over when it is first activated.
void ChooseLocaleLanguage(AppState& state, std::string_view localeName) {
    const int language = LanguageOfLocale(localeName);
    SetCurrentLanguage(state.Language, language);
    state.Language.PreviousLanguage = language;
}

void SetDefaultModel(AppState& state) {
    state.Model.ModelCode = "RB516";
    SetBandLimits(state.Model, "400 - 480 MHz");
    state.ProgrammingPassword.clear();
}

// False when the first-run search was given up.
bool SettleLinkAndLanguage(AppState& state, StartupShell& shell) {
    if (state.Link.IsFirstRun) {
        shell.RunFirstRunSearch(state);
        if (state.Link.IsFirstRun)
            return false;
        WriteSetupValue(state.Paths.SetupFile, "IsFirstRun", 0);
    } else if (const std::optional<int> stored = ReadStoredLanguage(state.Paths.SetupFile)) {
        SetCurrentLanguage(state.Language, *stored);
    }
    WriteSetupValue(state.Paths.SetupFile, "comPort", state.Link.PortNumber);
    WriteSetupValue(state.Paths.SetupFile, "CurrentLanguage", state.Language.CurrentLanguage);
    return true;
}

}  // namespace

bool RunStartup(AppState& state, StartupShell& shell, const StartupInput& input) {
    LoadVersionRecords(state);
    ChooseLocaleLanguage(state, input.LocaleName);
    SetDefaultModel(state);
    // Numbers are always formatted and parsed with "." here, whatever the locale says, so there is no
    // user setting to force now or to restore at exit. The operating-system check has nothing to
    // find either: the port list never depends on the system version.
    state.VistaFlag = false;
    state.Link = ReadLinkSetup(state.Paths.SetupFile);
    if (!SettleLinkAndLanguage(state, shell))
        return false;
    NewRadioData(state, false, input.Day);
    shell.ShowSplash(state);
    state.ProgramTitle = GetLanguageText(state, 12000);
    CheckFactoryTestMode(state, state.Paths.SettingsFolder);
    LoadBatchItemSelection(state.BatchItems, state.Paths.SettingsFolder);
    LoadRememberedFeatures(state.Features, state.Paths.SettingsFolder);
    LoadHabits(state.Habit, state.Clipboard, state.Paths.SettingsFolder);
    return true;
}

}  // namespace mox
