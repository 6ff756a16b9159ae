#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "support/TempFolder.h"

namespace mox::test {

struct CliResult {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// An installation of moxcps-cli of its own (the executable copied into a temporary program folder with
// the language files, Version.ini and mysetup.ini beside it) and a moxsim radio on a pseudo-terminal.
class CliFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts moxsim with these options on the fixture's link; waits until the link exists.
    void StartRadio(const QStringList& options = {});
    // Ends moxsim with SIGTERM, so that it saves its memory (when started with --save).
    void StopRadio();
    // Another moxsim on a link of its own, named `name` in the fixture's folder; returns the link.
    std::string StartRadioAt(const std::string& name, const QStringList& options = {});
    void StopRadioAt(const std::string& name);
    CliResult RunCli(const QStringList& args);
    // The tool started with these arguments, not waited for.
    std::unique_ptr<QProcess> StartCli(const QStringList& args);
    // Runs the tool while watching the radio: `radioEndedMs` gets the milliseconds from the tool's
    // start to the radio's end (-1 when it did not end), `toolEndedMs` those to the tool's end.
    CliResult RunCliWatchingRadio(const QStringList& args, qint64& radioEndedMs, qint64& toolEndedMs);

    std::string Link() const { return (m_folder.Root() / "radio").string(); }
    std::filesystem::path File(const std::string& name) const { return m_folder.Root() / name; }
    // XDG_DATA_HOME of the tool; its moxcps/ folder holds backups/ and traces/.
    std::filesystem::path UserData() const { return m_folder.Root() / "userdata"; }
    // A file beside the tool, where it keeps its settings files.
    std::filesystem::path ProgramFile(const std::string& name) const {
        return m_folder.ProgramFolder() / name;
    }
    std::string SetupIni() const {
        return TempFolder::ReadFile(m_folder.Root() / "language" / "mysetup.ini");
    }

private:
    std::unique_ptr<QProcess> StartSimulator(const std::string& link, const QStringList& options);

    TempFolder m_folder;
    std::unique_ptr<QProcess> m_radio;
    std::map<std::string, std::unique_ptr<QProcess>> m_otherRadios;
};

}  // namespace mox::test
