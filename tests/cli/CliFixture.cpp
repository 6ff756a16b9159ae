#include "cli/CliFixture.h"

#include <QElapsedTimer>
#include <QThread>

#include "support/BuildPaths.h"

namespace mox::test {
namespace {

constexpr int kProcessTimeoutMs = 60000;

}  // namespace

void CliFixture::SetUp() {
    const std::filesystem::path cli = BuiltProgramFolder() / "moxcps-cli";
    ASSERT_TRUE(std::filesystem::exists(cli)) << "build moxcps-cli first";
    ASSERT_TRUE(std::filesystem::exists(BuiltProgramFolder() / "moxsim")) << "build moxsim first";
    std::filesystem::copy_file(cli, m_folder.ProgramFolder() / "moxcps-cli");
    m_folder.InstallLanguageFiles();
    const std::filesystem::path dist = SourceTree() / "dist" / "root";
    std::filesystem::copy_file(dist / "Version.ini", m_folder.Root() / "Version.ini");
    std::filesystem::copy_file(dist / "mysetup.ini", m_folder.Root() / "language" / "mysetup.ini");
}

void CliFixture::TearDown() {
    StopRadio();
}

void CliFixture::StartRadio(const QStringList& options) {
    m_radio = std::make_unique<QProcess>();
    m_radio->setProgram(QString::fromStdString((BuiltProgramFolder() / "moxsim").string()));
    m_radio->setArguments(QStringList{"--link", QString::fromStdString(Link())} + options);
    m_radio->start();
    ASSERT_TRUE(m_radio->waitForStarted());
    QElapsedTimer waited;
    waited.start();
    while (!std::filesystem::is_symlink(Link()) && waited.elapsed() < 5000)
        QThread::msleep(10);
    ASSERT_TRUE(std::filesystem::is_symlink(Link())) << m_radio->readAllStandardError().toStdString();
}

void CliFixture::StopRadio() {
    if (!m_radio)
        return;
    m_radio->terminate();
    m_radio->waitForFinished(5000);
    m_radio.reset();
}

CliResult CliFixture::RunCli(const QStringList& args) {
    QProcess cli;
    // Backups and traces go into the test's own folder, never the user's.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", QString::fromStdString(UserData().string()));
    cli.setProcessEnvironment(environment);
    cli.start(QString::fromStdString((m_folder.ProgramFolder() / "moxcps-cli").string()), args);
    cli.closeWriteChannel();
    CliResult result;
    if (!cli.waitForFinished(kProcessTimeoutMs)) {
        cli.kill();
        cli.waitForFinished();
        return result;
    }
    result.ExitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    result.Out = cli.readAllStandardOutput().toStdString();
    result.Err = cli.readAllStandardError().toStdString();
    return result;
}

}  // namespace mox::test
