#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <cstring>
#include <iostream>

#include "app/ui/MessageBoxPrompter.h"
#include "app/ui/ProgramShell.h"
#include "app/ui/QtProgramStarter.h"
#include "files/ui/QtFileDialogs.h"
#include "link/ui/FrmPassWord.h"
#include "platform/QtPortEnumerator.h"
#include "platform/QtProgramPaths.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTimers.h"
#include "services/Texts.h"

namespace {

bool WantsHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0)
            return true;
    }
    return false;
}

// The data file named on the command line, as an absolute path; empty when none is named.
std::string FileArgument(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith(QLatin1Char('-')))
            return QFileInfo(argument).absoluteFilePath().toStdString();
    }
    return {};
}

mox::Today SystemToday() {
    const QDate date = QDate::currentDate();
    return mox::Today{QLocale::system().toString(date, QLocale::ShortFormat).toStdString(), date.month()};
}

}  // namespace

int main(int argc, char** argv) {
    if (WantsHelp(argc, argv)) {
        std::cout << "moxcps - programming software for the MOX-5HK radios (RB516, RB516G).\n"
                     "Usage: moxcps [--help] [DATA-FILE]\n"
                     "Reads, edits, saves and writes the configuration of a radio connected to a serial\n"
                     "port; opens DATA-FILE (.dat) when one is given. The settings live beside the\n"
                     "program when it may write there, else in ~/.config/moxcps.\n";
        return 0;
    }
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(mox::kApplicationName);
    // Ties the windows to the desktop entry, whose icon the desktop then shows for them.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.moxcps.moxcps"));

    mox::AppState state;
    state.Paths = mox::RunningProgramPaths();
    state.ExecutableName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    // The file dialogs start in the user's documents folder at first; in the home folder where there is
    // no such folder.
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documents).isDir())
        documents = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    state.DocumentsFolder = documents.toStdString();

    mox::MessageBoxPrompter prompter(
        [] { return QApplication::activeWindow(); },
        [&state] {
            return state.ProgramTitle.empty() ? mox::GetLanguageText(state, 12000) : state.ProgramTitle;
        });
    prompter.PasswordDialog = [&state](std::string& password) {
        return mox::FrmPassWord::Ask(state, password, QApplication::activeWindow());
    };
    prompter.Text = [&state](int number) { return mox::GetLanguageText(state, number); };
    state.Prompts = &prompter;

    mox::QtSerialPort linkPort;
    mox::QtSerialPort firstRunPort;
    mox::QtPortEnumerator enumerator;
    mox::QtTimerFactory timers;
    mox::QtProgramStarter starter(linkPort);
    state.Starter = &starter;
    mox::QtFileDialogs dialogs([] { return QApplication::activeWindow(); });

    mox::ProgramShell shell(
        state, {linkPort, firstRunPort, enumerator, timers, dialogs, nullptr, mox::UserDataFolder()});
    QObject::connect(&shell, &mox::ProgramShell::Finished, &app, &QCoreApplication::quit);
    shell.FileToOpen = FileArgument(QCoreApplication::arguments());
    shell.QuitWhenShown = qEnvironmentVariableIsSet("MOXCPS_QUIT_WHEN_SHOWN");
    if (!shell.Start({QLocale::system().name().toStdString(), SystemToday()}))
        return 0;
    return app.exec();
}
