#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/AppState.h"
#include "app/Startup.h"
#include "files/FileDialogs.h"
#include "link/SerialPort.h"
#include "link/Timer.h"
#include "services/SettingsStore.h"

namespace mox {

class frmMain;
class frmSplash;

// What the program runs on: the link's port, the first-run window's own port, the system's port
// list, timers, file dialogs and the per-user store (nullptr: the store on QSettings under the
// program title, made once the title is known).
struct ProgramDevices {
    SerialPort& LinkPort;
    SerialPort& FirstRunPort;
    PortEnumerator& Enumerator;
    TimerFactory& Timers;
    FileDialogs& Dialogs;
    SettingsStore* Store = nullptr;
    // Where backups and traces are kept; empty: nowhere.
    std::filesystem::path UserData = {};
};

// The windows of start-up: the first-run window, the splash window and then the main window.
class ProgramShell : public QObject, public StartupShell {
    Q_OBJECT
public:
    ProgramShell(AppState& state, const ProgramDevices& devices);
    ~ProgramShell() override;

    // Runs start-up; false when the user gave up the first-run search and the program must end.
    bool Start(const StartupInput& input);

    void RunFirstRunSearch(AppState& state) override;
    void ShowSplash(AppState& state) override;
    // Replaces the splash window by the main window.
    void CreateMainWindow();

    // Registers the editor windows with a new main window before it opens.
    std::function<void(frmMain&)> RegisterWindows;
    // A data file to open as File > Open does, once the main window is shown: the file named on the
    // command line when a data file is opened from the desktop.
    std::string FileToOpen;
    // Prints the main window's caption and closes it as soon as it is shown: the proof, for the test
    // of an installed tree, that the program starts and finds its files.
    bool QuitWhenShown = false;

    frmMain* MainWindow() const { return m_main.get(); }
    frmSplash* Splash() const { return m_splash; }

signals:
    // The main window has closed: the program ends.
    void Finished();

private:
    AppState& m_state;
    ProgramDevices m_devices;
    std::unique_ptr<SettingsStore> m_ownStore;
    std::unique_ptr<frmMain> m_main;
    frmSplash* m_splash = nullptr;
};

}  // namespace mox
