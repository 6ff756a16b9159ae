#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <filesystem>
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
    CliResult RunCli(const QStringList& args);

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
    TempFolder m_folder;
    std::unique_ptr<QProcess> m_radio;
};

}  // namespace mox::test
