#include "cli/CliFixture.h"

namespace mox::test {
namespace {

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

class CliUsageTest : public CliFixture {};

TEST_F(CliUsageTest, UsageErrorsExitWithTwo) {
    EXPECT_EQ(RunCli({}).ExitCode, 2);
    EXPECT_EQ(RunCli({"frobnicate"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"read"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"new", "--model", "RB999", "x.dat"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"show", "--port", "1", "a.dat"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"ports", "extra"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"read", "a.dat", "b.dat"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"new", "--band", "x", "a.dat"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"write", "--password", "12345", "a.dat"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"info", "--port"}).ExitCode, 2);
    CliResult help = RunCli({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_NE(help.Out.find("moxcps-cli read"), std::string::npos);
}

TEST_F(CliUsageTest, AFileThatIsNoDataFileFailsWithOne) {
    TempFolder::WriteFile(File("short.dat"), "V200 too short");
    CliResult show = RunCli({"show", Path(File("short.dat"))});
    EXPECT_EQ(show.ExitCode, 1);
    EXPECT_EQ(RunCli({"show", "/no/such/file.dat"}).ExitCode, 1);
}

TEST_F(CliUsageTest, APortThatDoesNotExistFailsWithOne) {
    ASSERT_EQ(RunCli({"new", Path(File("a.dat"))}).ExitCode, 0);
    EXPECT_EQ(RunCli({"write", "--port", "200", "--yes", Path(File("a.dat"))}).ExitCode, 1);
}

}  // namespace
}  // namespace mox::test
