#include "cli/CliFleet.h"

#include <unistd.h>

#include <QEventLoop>
#include <QTimer>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "cli/FleetTerminal.h"
#include "exchange/FleetReport.h"
#include "files/DataFile.h"
#include "files/DocumentWindows.h"
#include "link/FleetRun.h"
#include "platform/QtSerialPort.h"
#include "services/Texts.h"

namespace mox::cli {
namespace {

// How often the tool looks whether the run has ended or Ctrl+C was pressed.
constexpr int kIdleCheckMs = 5;

volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) {
    g_interrupted = 1;
    // A second Ctrl+C ends the tool at once.
    std::signal(SIGINT, SIG_DFL);
}

// Ctrl+C lets the radios being written finish, then the table is printed.
class InterruptScope {
public:
    InterruptScope() {
        g_interrupted = 0;
        m_previous = std::signal(SIGINT, OnInterrupt);
    }
    ~InterruptScope() { std::signal(SIGINT, m_previous); }
    InterruptScope(const InterruptScope&) = delete;
    InterruptScope& operator=(const InterruptScope&) = delete;

private:
    void (*m_previous)(int) = SIG_DFL;
};

// The ports given, as numbers of the port map; an empty list when one names no port.
std::vector<int> FleetPorts(CliSession& session, const CliCommand& command) {
    std::vector<int> numbers;
    if (command.Ports.empty())
        numbers.push_back(session.State().Link.PortNumber);
    for (const std::string& port : command.Ports) {
        const int number = session.PortNumberOf(port);
        if (number < 1)
            return {};
        if (std::find(numbers.begin(), numbers.end(), number) == numbers.end())
            numbers.push_back(number);
    }
    return numbers;
}

FleetPlan PlanOf(CliSession& session, const CliCommand& command, std::vector<int> ports) {
    FleetPlan plan;
    plan.Job = command.Kind == CliCommandKind::Read ? FleetJob::Read : FleetJob::Write;
    plan.Ports = std::move(ports);
    plan.Repeat = command.Repeat;
    plan.Count = command.Count;
    plan.AgreeToBandQuestion = command.Yes;
    plan.Options = session.Options();
    plan.Options.VerifyAfterWrite = command.Verify;
    if (command.NoBackup)
        plan.Options.BackupFolder.clear();
    return plan;
}

void RunUntilEnded(FleetRun& run) {
    QEventLoop loop;
    QTimer idleCheck;
    QObject::connect(&idleCheck, &QTimer::timeout, [&] {
        if (g_interrupted != 0)
            run.Stop();
        if (!run.IsRunning())
            loop.quit();
    });
    idleCheck.start(kIdleCheckMs);
    run.Start();
    if (run.IsRunning())
        loop.exec();
}

bool WriteReport(const std::string& path, const std::vector<FleetRadioResult>& results, std::ostream& err) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << FleetReportCsv(results);
    file.close();
    if (!file) {
        err << "moxcps-cli: cannot write the report " << path << '\n';
        return false;
    }
    return true;
}

}  // namespace

bool IsFleetCommand(const CliCommand& command) {
    return command.Ports.size() > 1 || command.Repeat;
}

std::string FleetReadFile(const std::string& file, int portNumber) {
    const std::filesystem::path path(file);
    const std::string name =
        path.stem().string() + "-" + FleetPortName(portNumber) + path.extension().string();
    return (path.parent_path() / name).string();
}

int FleetCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err) {
    AppState& state = session.State();
    NoDocumentWindows windows;
    if (command.Kind == CliCommandKind::Write && !OpenDataFile(state, windows, command.File))
        return 1;
    if (command.PasswordGiven)
        state.ProgrammingPassword = command.Password;
    const std::vector<int> ports = FleetPorts(session, command);
    if (ports.empty())
        return 1;
    // The read or write question, once for all radios.
    const int question = command.Kind == CliCommandKind::Read ? 9004 : 9005;
    if (ShowMessage(state, question, MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
        return 1;
    FleetTerminal terminal(err, isatty(STDERR_FILENO) != 0, ports);
    FleetRun run(
        state, PlanOf(session, command, ports), [] { return std::make_unique<QtSerialPort>(); },
        session.Timers(), session.TraceClock(), session.Ports(), terminal);
    run.KeepRead = [&command](int portNumber, LinkContext& radio) -> std::string {
        NoDocumentWindows none;
        radio.Document.CurrentPath = FleetReadFile(command.File, portNumber);
        return SaveDataFile(radio, none) ? std::string() : "cannot save " + radio.Document.CurrentPath;
    };
    {
        InterruptScope interrupt;
        RunUntilEnded(run);
    }
    PrintFleetTable(run.Results(), out);
    if (!command.ReportFile.empty() && !WriteReport(command.ReportFile, run.Results(), err))
        return 1;
    return run.AllSucceeded() ? 0 : 1;
}

}  // namespace mox::cli
