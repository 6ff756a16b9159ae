#include "cli/CliSession.h"

#include <QEventLoop>
#include <QTimer>
#include <charconv>
#include <ostream>

#include "app/FeatureFlagsFile.h"
#include "app/LanguageChoice.h"
#include "app/NewRadioData.h"
#include "app/ProgramVersion.h"
#include "app/TransferChoices.h"
#include "factory/FactoryMarker.h"
#include "image/Models.h"
#include "image/Today.h"
#include "link/LinkSettingsFile.h"
#include "platform/QtProgramPaths.h"
#include "services/SetupFile.h"
#include "services/Texts.h"
#include "services/Versions.h"

namespace mox::cli {
namespace {

// How often the tool looks whether the transfer has ended; the transfer itself runs on its events.
constexpr int kIdleCheckMs = 5;

std::optional<int> PortNumberText(const std::string& text) {
    int number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

// The port map lives in mysetup.ini.
std::filesystem::path SetupFileOf(AppState& state, const ProgramPaths& paths) {
    state.Paths = paths;
    return state.Paths.SetupFile;
}

// English unless the shared settings say Chinese: a tool for scripts does not follow the locale.
void ChooseLanguage(AppState& state) {
    const int language = ReadStoredLanguage(state.Paths.SetupFile) == kChinese ? kChinese : kEnglish;
    SetCurrentLanguage(state.Language, language);
    state.Language.PreviousLanguage = language;
}

}  // namespace

void CliLinkShell::ShowPortStatus(const std::string& text) {
    m_out << text << '\n';
}

CliSession::CliSession(const ProgramPaths& paths, TerminalPrompter& prompter, std::ostream& err,
                       bool drawProgress)
    : m_prompter(prompter),
      m_err(err),
      m_ports(SetupFileOf(m_state, paths), m_enumerator),
      m_shell(err),
      m_progress(err, drawProgress) {
    m_state.Prompts = &prompter;
    LoadVersionRecords(m_state);
    ChooseLanguage(m_state);
    m_state.Model.ModelCode = "RB516";
    SetBandLimits(m_state.Model, "400 - 480 MHz");
    m_state.Link = ReadLinkSetup(m_state.Paths.SetupFile);
    CheckFactoryTestMode(m_state, m_state.Paths.SettingsFolder);
    LoadRememberedFeatures(m_state.Features, m_state.Paths.SettingsFolder);
    NewRadioData(m_state, false, TodayFromSystemClock());
    m_state.ProgramTitle = GetLanguageText(m_state, 12000);
    m_options.BackupFolder = BackupFolderOf(UserDataFolder());
}

CliSession::~CliSession() {
    m_port.CloseNow();
}

bool CliSession::SelectPort(const std::string& port) {
    if (port.empty())
        return true;
    const int number = PortNumberOf(port);
    if (number < 1)
        return false;
    m_state.Link.PortNumber = number;
    return true;
}

int CliSession::PortNumberOf(const std::string& port) {
    int number = 0;
    if (std::optional<int> given = PortNumberText(port)) {
        number = m_ports.DevicePath(*given).empty() ? 0 : *given;
    } else {
        number = m_ports.MapByHand(port);
    }
    if (number < 1) {
        m_err << "moxcps-cli: no serial port " << port << '\n';
        return 0;
    }
    return number;
}

void CliSession::RunTransfer(const std::function<void(TransferEngine&)>& start) {
    TransferEngine engine(m_state, m_port, m_timers, m_ports, m_shell, m_progress);
    engine.SetOptions(m_options);
    start(engine);
    QEventLoop loop;
    QTimer idleCheck;
    QObject::connect(&idleCheck, &QTimer::timeout, [&] {
        if (!engine.IsBusy())
            loop.quit();
    });
    idleCheck.start(kIdleCheckMs);
    if (engine.IsBusy())
        loop.exec();
    m_progress.Close();
    WriteRememberedFeatures(m_state.Features, m_state.Paths.SettingsFolder);
}

}  // namespace mox::cli
