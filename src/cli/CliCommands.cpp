#include "cli/CliCommands.h"

#include <optional>
#include <ostream>

#include "app/NewRadioData.h"
#include "cli/DataFileReport.h"
#include "cli/RadioInfoReport.h"
#include "files/Backups.h"
#include "files/DataFile.h"
#include "files/DocumentWindows.h"
#include "image/Models.h"
#include "image/Today.h"
#include "link/SerialTraceFile.h"

namespace mox::cli {
namespace {

// The password, the port, and what goes with the transfer: read-back, backup and trace. The trace
// lives as long as `trace`; a trace file that cannot be made fails before anything is sent.
bool PrepareLink(CliSession& session, const CliCommand& command, std::optional<SerialTraceFile>& trace,
                 std::ostream& err) {
    if (command.PasswordGiven)
        session.State().ProgrammingPassword = command.Password;
    TransferOptions& options = session.Options();
    options.VerifyAfterWrite = command.Verify;
    if (command.NoBackup)
        options.BackupFolder.clear();
    if (!command.TraceFile.empty()) {
        trace.emplace(SerialTraceFile::ToFile(session.TraceClock(), command.TraceFile));
        if (!trace->IsGood()) {
            err << "moxcps-cli: cannot write the trace file " << command.TraceFile << '\n';
            return false;
        }
        options.Recorder = &*trace;
    }
    return session.SelectPort(command.Port);
}

// The data file as the program's Save writes it: data file, companion and, in factory test mode, the
// test data file.
int SaveAs(CliSession& session, const std::string& path) {
    NoDocumentWindows windows;
    session.State().Document.CurrentPath = path;
    return SaveDataFile(session.State(), windows) ? 0 : 1;
}

}  // namespace

int ReadCommand(CliSession& session, const CliCommand& command, std::ostream& err) {
    std::optional<SerialTraceFile> trace;
    if (!PrepareLink(session, command, trace, err))
        return 1;
    session.RunTransfer([](TransferEngine& engine) { engine.ReadFromRadio(); });
    if (!session.Shell().ReadShown) {
        err << "moxcps-cli: nothing was read from the radio\n";
        return 1;
    }
    return SaveAs(session, command.File);
}

int WriteCommand(CliSession& session, const CliCommand& command, std::ostream& err) {
    NoDocumentWindows windows;
    std::optional<SerialTraceFile> trace;
    if (!OpenDataFile(session.State(), windows, command.File) || !PrepareLink(session, command, trace, err))
        return 1;
    session.RunTransfer([](TransferEngine& engine) { engine.WriteToRadio(); });
    // The write-done message is the one sign of a write that reached its end.
    if (!session.Prompter().WasShown(9010)) {
        const bool readBack = session.Prompter().WasShown(31700) || session.Prompter().WasShown(31701);
        err << (readBack ? "moxcps-cli: the write was not verified\n"
                         : "moxcps-cli: the radio was not written\n");
        return 1;
    }
    return 0;
}

int InfoCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err) {
    std::optional<SerialTraceFile> trace;
    if (!PrepareLink(session, command, trace, err))
        return 1;
    session.RunTransfer([](TransferEngine& engine) { engine.ReadRMGDataFromRadio(); });
    if (!session.Shell().InfoShown) {
        err << "moxcps-cli: the radio information was not read\n";
        return 1;
    }
    if (command.Json)
        PrintJson(RadioInfoToJson(session.State()), out);
    else
        PrintRadioInfo(session.State(), out);
    return 0;
}

int NewCommand(CliSession& session, const CliCommand& command, std::ostream& err) {
    AppState& state = session.State();
    const std::string band = BandName(command.BandCode);
    if (BandNamesOfModel(command.ModelCode).empty() || band.empty()) {
        err << "moxcps-cli: no model " << command.ModelCode << " with band " << command.BandCode << '\n';
        return 2;
    }
    state.Model.ModelCode = command.ModelCode;
    SetBandLimits(state.Model, band);
    NewRadioData(state, false, TodayFromSystemClock());
    return SaveAs(session, command.File);
}

int ShowCommand(CliSession& session, const CliCommand& command, std::ostream& out) {
    NoDocumentWindows windows;
    if (!OpenDataFile(session.State(), windows, command.File))
        return 1;
    if (command.Json)
        PrintJson(DataToJson(session.State()), out);
    else
        PrintDataAsText(session.State(), out);
    return 0;
}

int PortsCommand(CliSession& session, std::ostream& out) {
    for (int number : session.Ports().PortList())
        out << "COM" << number << ' ' << session.Ports().DevicePath(number) << '\n';
    return 0;
}

int BackupsCommand(CliSession& session, std::ostream& out) {
    const std::filesystem::path folder = session.Options().BackupFolder;
    if (folder.empty())
        return 0;
    for (const BackupEntry& backup : ListBackups(folder)) {
        out << backup.Path.string() << '\t' << backup.Date << '\t'
            << (backup.Kind == BackupKind::Read ? "read" : "write") << '\n';
    }
    return 0;
}

}  // namespace mox::cli
