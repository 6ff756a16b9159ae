#include "cli/CliCommands.h"

#include <ostream>

#include "app/NewRadioData.h"
#include "cli/DataFileReport.h"
#include "cli/RadioInfoReport.h"
#include "files/DataFile.h"
#include "files/DocumentWindows.h"
#include "image/Models.h"
#include "image/Today.h"

namespace mox::cli {
namespace {

bool PrepareLink(CliSession& session, const CliCommand& command) {
    if (command.PasswordGiven)
        session.State().ProgrammingPassword = command.Password;
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
    if (!PrepareLink(session, command))
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
    if (!OpenDataFile(session.State(), windows, command.File) || !PrepareLink(session, command))
        return 1;
    session.RunTransfer([](TransferEngine& engine) { engine.WriteToRadio(); });
    // The write-done message is the one sign of a write that reached its end.
    if (!session.Prompter().WasShown(9010)) {
        err << "moxcps-cli: the radio was not written\n";
        return 1;
    }
    return 0;
}

int InfoCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err) {
    if (!PrepareLink(session, command))
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

}  // namespace mox::cli
