// moxcps-cli: reads, writes and shows MOX-5HK radio data from scripts, on the same core, delivered
// files and settings files as the desktop program.
#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "cli/CliArgs.h"
#include "cli/CliBatch.h"
#include "cli/CliCommands.h"
#include "cli/CliExchange.h"
#include "cli/CliFleet.h"
#include "cli/CliReorder.h"
#include "cli/CliSession.h"
#include "cli/CliSet.h"
#include "cli/CliSettings.h"
#include "cli/TerminalPrompter.h"
#include "platform/QtProgramPaths.h"

namespace {

int Run(const mox::cli::CliCommand& command) {
    using namespace mox::cli;
    TerminalPrompter prompter(command.Yes, isatty(STDIN_FILENO) != 0, std::cin, std::cerr);
    CliSession session(mox::RunningProgramPaths(), prompter, std::cerr, isatty(STDERR_FILENO) != 0);
    if (IsFleetCommand(command))
        return FleetCommand(session, command, std::cout, std::cerr);
    switch (command.Kind) {
        case CliCommandKind::Read:
            return ReadCommand(session, command, std::cerr);
        case CliCommandKind::Write:
            return WriteCommand(session, command, std::cerr);
        case CliCommandKind::Info:
            return InfoCommand(session, command, std::cout, std::cerr);
        case CliCommandKind::New:
            return NewCommand(session, command, std::cerr);
        case CliCommandKind::Show:
            return ShowCommand(session, command, std::cout);
        case CliCommandKind::Ports:
            return PortsCommand(session, std::cout);
        case CliCommandKind::Backups:
            return BackupsCommand(session, std::cout);
        case CliCommandKind::Set:
            return SetCommand(session, command, std::cout, std::cerr);
        case CliCommandKind::Settings:
            return SettingsCommand(session, command, std::cout, std::cerr);
        case CliCommandKind::Copy:
        case CliCommandKind::Insert:
        case CliCommandKind::Delete:
        case CliCommandKind::Move:
            return ReorderCommand(session, command, std::cout, std::cerr);
        case CliCommandKind::Export:
            return ExportCommand(session, command, std::cout, std::cerr);
        case CliCommandKind::Import:
            return ImportCommand(session, command, std::cout, std::cerr);
        case CliCommandKind::Diff:
            return DiffCommand(session, command, std::cout);
        case CliCommandKind::Print:
            return PrintCommand(session, command, std::cerr);
        case CliCommandKind::Batch:
            return BatchCommand(session, command, std::cout, std::cerr);
        case CliCommandKind::Help:
            break;
    }
    std::cout << CliUsage();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // The plain poll-based event loop answers a radio reply sooner than the GLib one, and a tool
    // without windows has nothing to share a GLib loop with.
    qputenv("QT_NO_GLIB", "1");
    const mox::cli::CliParseResult parsed =
        mox::cli::ParseCliArgs(std::vector<std::string>(argv + 1, argv + argc));
    // Printing lays out text, which takes the fonts of a GUI application; it needs no screen.
    const bool prints = parsed.Error.empty() && parsed.Command.Kind == mox::cli::CliCommandKind::Print;
    if (prints && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = prints ? std::make_unique<QGuiApplication>(argc, argv)
                                                   : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(mox::kApplicationName);
    if (!parsed.Error.empty()) {
        std::cerr << "moxcps-cli: " << parsed.Error << '\n' << mox::cli::CliUsage();
        return 2;
    }
    return Run(parsed.Command);
}
