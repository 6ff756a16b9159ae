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
    while (!m_otherRadios.empty())
        StopRadioAt(m_otherRadios.begin()->first);
}

// Empty when the simulator did not come up (the test has failed then).
std::unique_ptr<QProcess> CliFixture::StartSimulator(const std::string& link, const QStringList& options) {
    auto radio = std::make_unique<QProcess>();
    radio->setProgram(QString::fromStdString((BuiltProgramFolder() / "moxsim").string()));
    radio->setArguments(QStringList{"--link", QString::fromStdString(link)} + options);
    radio->start();
    EXPECT_TRUE(radio->waitForStarted());
    QElapsedTimer waited;
    waited.start();
    while (!std::filesystem::is_symlink(link) && waited.elapsed() < 5000)
        QThread::msleep(10);
    EXPECT_TRUE(std::filesystem::is_symlink(link)) << radio->readAllStandardError().toStdString();
    return radio;
}

void CliFixture::StartRadio(const QStringList& options) {
    m_radio = StartSimulator(Link(), options);
    ASSERT_TRUE(std::filesystem::is_symlink(Link()));
}

void CliFixture::StopRadio() {
    if (!m_radio)
        return;
    m_radio->terminate();
    m_radio->waitForFinished(5000);
    m_radio.reset();
}

std::string CliFixture::StartRadioAt(const std::string& name, const QStringList& options) {
    const std::string link = (m_folder.Root() / name).string();
    m_otherRadios[name] = StartSimulator(link, options);
    return link;
}

void CliFixture::StopRadioAt(const std::string& name) {
    auto radio = m_otherRadios.find(name);
    if (radio == m_otherRadios.end())
        return;
    radio->second->terminate();
    radio->second->waitForFinished(5000);
    m_otherRadios.erase(radio);
}

namespace {

// The result of a tool that has ended; nothing when it still runs (it is killed).
CliResult Collect(QProcess& cli) {
    CliResult result;
    if (cli.state() != QProcess::NotRunning) {
        cli.kill();
        cli.waitForFinished();
        return result;
    }
    result.ExitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    result.Out = cli.readAllStandardOutput().toStdString();
    result.Err = cli.readAllStandardError().toStdString();
    return result;
}

}  // namespace

std::unique_ptr<QProcess> CliFixture::StartCli(const QStringList& args) {
    auto cli = std::make_unique<QProcess>();
    // Backups and traces go into the test's own folder, never the user's.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", QString::fromStdString(UserData().string()));
    cli->setProcessEnvironment(environment);
    cli->start(QString::fromStdString((m_folder.ProgramFolder() / "moxcps-cli").string()), args);
    cli->closeWriteChannel();
    return cli;
}

CliResult CliFixture::RunCli(const QStringList& args) {
    std::unique_ptr<QProcess> cli = StartCli(args);
    cli->waitForFinished(kProcessTimeoutMs);
    return Collect(*cli);
}

CliResult CliFixture::RunCliWatchingRadio(const QStringList& args, qint64& radioEndedMs,
                                          qint64& toolEndedMs) {
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProcess> cli = StartCli(args);
    radioEndedMs = -1;
    while (cli->state() != QProcess::NotRunning && clock.elapsed() < kProcessTimeoutMs) {
        cli->waitForFinished(5);
        if (radioEndedMs >= 0 || !m_radio)
            continue;
        m_radio->waitForFinished(1);
        if (m_radio->state() == QProcess::NotRunning)
            radioEndedMs = clock.elapsed();
    }
    toolEndedMs = clock.elapsed();
    // A radio that closed its line may still be ending its process (a sanitizer's exit checks take a
    // while) when the tool has already given up: its end then comes after the tool's.
    if (radioEndedMs < 0 && m_radio && m_radio->waitForFinished(5000))
        radioEndedMs = clock.elapsed();
    return Collect(*cli);
}

}  // namespace mox::test
