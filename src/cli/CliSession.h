#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/AppState.h"
#include "cli/TerminalProgress.h"
#include "cli/TerminalPrompter.h"
#include "link/LinkViews.h"
#include "link/PortMap.h"
#include "link/TransferEngine.h"
#include "platform/QtPortEnumerator.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTimers.h"

namespace mox::cli {

// The main window's part of a transfer, without windows: it only notes what the transfer reached.
class CliLinkShell : public LinkShell {
public:
    explicit CliLinkShell(std::ostream& out) : m_out(out) {}
    void CommitChannelEdit() override {}
    void CommitAllEditors() override {}
    void CloseCurAllWindows() override {}
    void ShowReadData() override { ReadShown = true; }
    void ShowRadioInfoWindow() override { InfoShown = true; }
    void ShowPortStatus(const std::string& text) override;

    bool ReadShown = false;
    bool InfoShown = false;

private:
    std::ostream& m_out;
};

// The program as the command-line tool runs it: the same delivered files, settings files and
// language files as the GUI, the same core, a terminal for its prompts and progress.
class CliSession {
public:
    CliSession(const ProgramPaths& paths, TerminalPrompter& prompter, std::ostream& err, bool drawProgress);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    AppState& State() { return m_state; }
    PortMap& Ports() { return m_ports; }
    CliLinkShell& Shell() { return m_shell; }
    const TerminalPrompter& Prompter() const { return m_prompter; }

    // --port: a number of the port map or a device path, which is mapped when it is new. False, with
    // a message, when it names no port.
    bool SelectPort(const std::string& port);
    // The port number --port names, mapping a new device path; 0, with a message, when it names none.
    int PortNumberOf(const std::string& port);
    // Starts a transfer and runs the event loop until the engine is idle again; then the remembered
    // feature flags are written, as the GUI does at exit.
    void RunTransfer(const std::function<void(TransferEngine&)>& start);

    // Verification, backups and trace of the transfers to come.
    TransferOptions& Options() { return m_options; }
    const Clock& TraceClock() const { return m_clock; }
    TimerFactory& Timers() { return m_timers; }

private:
    AppState m_state;
    TerminalPrompter& m_prompter;
    std::ostream& m_err;
    QtPortEnumerator m_enumerator;
    PortMap m_ports;
    QtSerialPort m_port;
    QtTimerFactory m_timers;
    CliLinkShell m_shell;
    TerminalProgress m_progress;
    QtClock m_clock;
    TransferOptions m_options;
};

}  // namespace mox::cli
