#include <regex>
#include <sstream>

#include "cli/CliFixture.h"

namespace mox::test {
namespace {

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class CliSafetyTest : public CliFixture {
protected:
    QString Port() const { return QString::fromStdString(Link()); }
    std::filesystem::path Backups() const { return UserData() / "moxcps" / "backups"; }
};

TEST_F(CliSafetyTest, AVerifiedWriteSucceedsAndAByteKeptWronglyFailsItNamingAddressAndField) {
    ASSERT_EQ(RunCli({"new", "--band", "0", Path(File("new.dat"))}).ExitCode, 0);
    StartRadio();
    CliResult clean = RunCli({"write", "--port", Port(), "--yes", "--verify", Path(File("new.dat"))});
    EXPECT_EQ(clean.ExitCode, 0) << clean.Err;
    StopRadio();

    // Address 2700 lies in the first line of the embedded message.
    StartRadio({"--store-wrong", "2700"});
    CliResult wrong = RunCli({"write", "--port", Port(), "--yes", "--verify", Path(File("new.dat"))});
    EXPECT_EQ(wrong.ExitCode, 1);
    EXPECT_NE(wrong.Err.find("at address 2700 (0A8C) (embedded message line 1)"), std::string::npos)
        << wrong.Err;
    EXPECT_NE(wrong.Err.find("the write was not verified"), std::string::npos) << wrong.Err;

    // Without --verify the same radio takes the write as done.
    CliResult unverified = RunCli({"write", "--port", Port(), "--yes", Path(File("new.dat"))});
    EXPECT_EQ(unverified.ExitCode, 0) << unverified.Err;
}

TEST_F(CliSafetyTest, AReadAndAWriteEachLeaveABackupThatBackupsListsNewestFirst) {
    StartRadio();
    ASSERT_EQ(RunCli({"read", "--port", Port(), "--yes", Path(File("radio.dat"))}).ExitCode, 0);
    ASSERT_EQ(RunCli({"read", "--port", Port(), "--yes", "--no-backup", Path(File("again.dat"))}).ExitCode,
              0);
    ASSERT_EQ(RunCli({"write", "--port", Port(), "--yes", Path(File("radio.dat"))}).ExitCode, 0);
    ASSERT_EQ(RunCli({"write", "--port", Port(), "--yes", "--no-backup", Path(File("radio.dat"))}).ExitCode,
              0);

    CliResult list = RunCli({"backups"});
    ASSERT_EQ(list.ExitCode, 0) << list.Err;
    const std::vector<std::string> lines = Lines(list.Out);
    ASSERT_EQ(lines.size(), 2u) << list.Out;
    const std::string stamp = R"(\d{8}-\d{6}-RB516-0-)";
    const std::string date = R"(\t\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\t)";
    EXPECT_TRUE(std::regex_match(
        lines[0], std::regex(Backups().string() + "/" + stamp + "write\\.dat" + date + "write")))
        << lines[0];
    EXPECT_TRUE(std::regex_match(lines[1],
                                 std::regex(Backups().string() + "/" + stamp + "read\\.dat" + date + "read")))
        << lines[1];
    // The read's backup holds what the read saved.
    const std::string backup = lines[1].substr(0, lines[1].find('\t'));
    EXPECT_EQ(TempFolder::ReadFile(backup), TempFolder::ReadFile(File("radio.dat")));
}

TEST_F(CliSafetyTest, ABackupThatCannotBeWrittenDoesNotFailTheRead) {
    std::filesystem::create_directories(Backups().parent_path());
    TempFolder::WriteFile(Backups(), "not a folder");
    StartRadio();
    CliResult read = RunCli({"read", "--port", Port(), "--yes", Path(File("radio.dat"))});
    EXPECT_EQ(read.ExitCode, 0) << read.Err;
    EXPECT_TRUE(std::filesystem::exists(File("radio.dat")));
    EXPECT_NE(read.Err.find("could not be written into " + Backups().string()), std::string::npos)
        << read.Err;
}

TEST_F(CliSafetyTest, TraceRecordsBothDirectionsOfTheReadIntoTheGivenFile) {
    StartRadio();
    CliResult read = RunCli(
        {"read", "--port", Port(), "--yes", "--trace", Path(File("read.trace")), Path(File("radio.dat"))});
    ASSERT_EQ(read.ExitCode, 0) << read.Err;
    const std::vector<std::string> lines = Lines(TempFolder::ReadFile(File("read.trace")));
    ASSERT_GE(lines.size(), 2u + 362u);
    EXPECT_EQ(lines[0].substr(0, 7), "# read ");
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(R"( +\d+ -> 50 52 4F 47 52 41 4D)"))) << lines[1];
    EXPECT_TRUE(std::regex_match(lines[2], std::regex(R"( +\d+ <- 52 42 06)"))) << lines[2];
    EXPECT_EQ(lines.back(), "# done");

    CliResult unwritable = RunCli(
        {"read", "--port", Port(), "--yes", "--trace", Path(File("no/such/folder/t")), Path(File("b.dat"))});
    EXPECT_EQ(unwritable.ExitCode, 1);
    EXPECT_NE(unwritable.Err.find("cannot write the trace file"), std::string::npos) << unwritable.Err;
}

}  // namespace
}  // namespace mox::test
