#include "app/ui/ProgramShell.h"

#include <QTimer>
#include <iostream>

#include "app/ui/frmMain.h"
#include "app/ui/frmSplash.h"
#include "files/FileCommands.h"
#include "link/LinkSettingsFile.h"
#include "link/PortMap.h"
#include "link/ui/FrmLink.h"
#include "platform/QtSettingsStore.h"
#include "services/SetupFile.h"

namespace mox {

namespace {}  // namespace

ProgramShell::ProgramShell(AppState& state, const ProgramDevices& devices)
    : m_state(state), m_devices(devices) {}

// A splash still on screen goes with the shell: closing it later would hand over to a shell that is
// gone.
ProgramShell::~ProgramShell() {
    delete m_splash;
}

bool ProgramShell::Start(const StartupInput& input) {
    return RunStartup(m_state, *this, input);
}

void ProgramShell::RunFirstRunSearch(AppState& state) {
    PortMap ports(state.Paths.SetupFile, m_devices.Enumerator);
    LoadFrmLink(state, m_devices.FirstRunPort, m_devices.Timers, ports);
}

void ProgramShell::ShowSplash(AppState& state) {
    m_splash = new frmSplash(state, [this] { CreateMainWindow(); });
    connect(m_splash, &QObject::destroyed, this, [this] { m_splash = nullptr; });
    m_splash->show();
}

void ProgramShell::CreateMainWindow() {
    if (m_main)
        return;
    SettingsStore* store = m_devices.Store;
    if (store == nullptr) {
        m_ownStore = std::make_unique<QtSettingsStore>(QString::fromStdString(m_state.ProgramTitle));
        store = m_ownStore.get();
    }
    const MainWindowDevices devices{m_devices.LinkPort, m_devices.Enumerator, m_devices.Timers, *store,
                                    m_devices.Dialogs,  m_devices.UserData};
    m_main = std::make_unique<frmMain>(m_state, devices);
    connect(m_main.get(), &frmMain::Closed, this, &ProgramShell::Finished);
    if (RegisterWindows)
        RegisterWindows(*m_main);
    m_main->MDIForm_Load();
    m_main->show();
    if (!FileToOpen.empty()) {
        QTimer::singleShot(0, m_main.get(), [this] {
            GivenFileDialogs given(FileToOpen, m_devices.Dialogs);
            FileOpen(m_state, given, *m_main);
        });
    }
    if (QuitWhenShown) {
        QTimer::singleShot(0, m_main.get(), [this] {
            std::cout << m_main->windowTitle().toStdString() << std::endl;
            m_main->close();
        });
    }
}

}  // namespace mox
