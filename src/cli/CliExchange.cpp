#include "cli/CliExchange.h"

#include <filesystem>
#include <ostream>
#include <string>

#include "exchange/ChannelCsvExport.h"
#include "exchange/ChannelCsvImport.h"
#include "exchange/DataDiff.h"
#include "exchange/ImportReportText.h"
#include "exchange/PrintedDocument.h"
#include "files/DataFile.h"
#include "files/DocumentWindows.h"
#include "image/Today.h"
#include "platform/PrintedPages.h"
#include "services/FileBytes.h"
#include "services/FileReplace.h"

namespace mox::cli {
namespace {

// A channel list of 128 rows with long names and comments stays far below this.
constexpr std::size_t kLargestCsv = 16 * 1024 * 1024;

bool Open(CliSession& session, const std::string& path) {
    NoDocumentWindows windows;
    return OpenDataFile(session.State(), windows, path);
}

}  // namespace

int ExportCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err) {
    if (!Open(session, command.File))
        return 1;
    const std::string csv = ExportChannelsCsv(session.State().Data.Channels);
    if (command.OtherFile == "-") {
        out << csv;
        return out.good() ? 0 : 1;
    }
    if (!ReplaceFileContent(command.OtherFile, csv)) {
        err << "moxcps-cli: cannot write " << command.OtherFile << '\n';
        return 1;
    }
    return 0;
}

int ImportCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err) {
    if (!Open(session, command.File))
        return 1;
    const auto bytes = ReadFileStart(command.OtherFile, kLargestCsv + 1);
    if (!bytes || bytes->size() > kLargestCsv) {
        err << "moxcps-cli: cannot read " << command.OtherFile << '\n';
        return 1;
    }
    AppState& state = session.State();
    const ImportOptions options{command.KeepLocations, command.Merge};
    const std::string text(bytes->begin(), bytes->end());
    RadioData imported = state.Data;
    const ImportReport report = ImportChannelsCsv(text, options, imported, state.Model);
    for (const std::string& line : ImportReportLines(state, report))
        (report.IsChannelCsv ? out : err) << line << '\n';
    if (!report.IsChannelCsv)
        return 2;
    if (report.Imported == 0 || (command.Strict && !report.Notes.empty()))
        return 1;
    state.Data = imported;
    if (!command.OutFile.empty())
        state.Document.CurrentPath = command.OutFile;
    NoDocumentWindows windows;
    return SaveDataFile(state, windows) ? 0 : 1;
}

int DiffCommand(CliSession& session, const CliCommand& command, std::ostream& out) {
    const auto from = ReadDataFileRecords(session.State(), command.File);
    const auto to = from ? ReadDataFileRecords(session.State(), command.OtherFile) : std::nullopt;
    if (!to)
        return 2;
    const std::vector<std::string> lines =
        DiffDataFiles({from->Data, from->Companion}, {to->Data, to->Companion});
    for (const std::string& line : lines)
        out << line << '\n';
    return lines.empty() ? 0 : 1;
}

}  // namespace mox::cli

namespace mox::cli {

int PrintCommand(CliSession& session, const CliCommand& command, std::ostream& err) {
    if (!Open(session, command.File))
        return 1;
    const AppState& state = session.State();
    const std::string name = std::filesystem::path(command.File).filename().string();
    const PrintedDocument document = BuildPrintedDocument(
        state, {state.Data, state.Companion, state.Model, name, TodayFromSystemClock().ShortDate});
    const QByteArray pdf = PrintedDocumentPdf(document, QString::fromStdString(name));
    if (pdf.isEmpty() ||
        !ReplaceFileContent(command.OtherFile, std::string_view(pdf.constData(), pdf.size()))) {
        err << "moxcps-cli: cannot write " << command.OtherFile << '\n';
        return 1;
    }
    return 0;
}

}  // namespace mox::cli
