#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SimRadio.h"
#include "app/AppState.h"
#include "app/ui/frmMain.h"
#include "files/FileDialogs.h"
#include "services/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/SimRadioPort.h"
#include "support/TempFolder.h"
#include "support/VirtualTime.h"

namespace mox::test {

// Answers the open and save dialogs from a script; with the script used up it cancels.
class ScriptedFileDialogs : public FileDialogs {
public:
    std::optional<std::string> OpenFileName(const std::string& filter, const std::string& folder) override;
    std::optional<std::string> SaveFileName(const std::string& filter, const std::string& proposed) override;

    void Answer(std::optional<std::string> path) { m_answers.push_back(std::move(path)); }
    int OpenDialogs = 0;
    int SaveDialogs = 0;
    std::vector<std::string> Filters;

private:
    std::optional<std::string> Next();
    std::deque<std::optional<std::string>> m_answers;
};

class ListEnumerator : public PortEnumerator {
public:
    std::vector<SerialDevice> ExistingDevices() const override { return Devices; }
    std::vector<SerialDevice> Devices;
};

// Runs the virtual clock along with Qt's event loop, so that a modal window driven by the link's
// timers (the progress window, the first-run window) can finish.
class VirtualTimeDriver {
public:
    explicit VirtualTimeDriver(VirtualTime& time, int stepMs = 20);
    ~VirtualTimeDriver();

private:
    QTimer m_tick;
};

// Runs `act` on the next modal window of type T once it shows (the dialog of a command that is being
// triggered); the action must close it.
template <typename T>
void WhenModalShows(std::function<void(T&)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
        }
    });
    poll->start(5);
}

// Lets closed windows go and pending events run.
void Settle();

// The least width that shows `title` whole in a title bar: the caption in the title font, and room for
// the window icon and three buttons.
int LeastTitleBarWidth(const QString& title);

// An installation in a temporary folder with the delivered language files, a simulated radio on the
// cable "/dev/ttySIM0", scripted questions and dialogs, and the main window on top.
class GuiFixture : public ::testing::Test {
protected:
    static constexpr const char* kCable = "/dev/ttySIM0";

    GuiFixture();
    ~GuiFixture() override;

    // Writes keys of section "language" of mysetup.ini.
    void WriteSetup(const std::string& key, const std::string& value);
    std::string ReadSetup(const std::string& key) const;
    // The main window, after `registerWindows` has registered its editors; opened as at start-up.
    frmMain& Main(const std::function<void(frmMain&)>& registerWindows = {});
    // Registers plain stand-in windows for these editor names.
    static void RegisterStandIns(frmMain& main, const std::vector<QString>& names);
    std::vector<QString> OpenWindowNames() const { return OpenWindowNamesOf(*main); }
    static std::vector<QString> OpenWindowNamesOf(const frmMain& window);
    std::string Text(int number) const;
    // Runs a menu command whose progress window opens, now or from a timer, until it has closed; the
    // questions before and after the transfer are answered with OK.
    void RunTransfer(const char* entry);

    TempFolder folder;
    AppState state;
    ScriptedPrompter prompter;
    VirtualTime time;
    SimRadioPort port{time};
    std::unique_ptr<sim::SimRadio> radio;
    ListEnumerator enumerator;
    MemorySettingsStore store;
    ScriptedFileDialogs dialogs;
    // Where the main window keeps backups and traces; empty: nowhere.
    std::filesystem::path userData;
    // The ports of radios written at once; empty: the system's.
    std::function<std::unique_ptr<SerialPort>()> makePort;
    std::unique_ptr<frmMain> main;
};

}  // namespace mox::test
