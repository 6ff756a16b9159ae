#include <signal.h>

#include <QElapsedTimer>
#include <QThread>
#include <map>
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
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

class CliFleetTest : public CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        ASSERT_EQ(RunCli({"new", "--band", "0", Path(File("new.dat"))}).ExitCode, 0);
    }

    // The port name ("COM3") of each link, as the tool numbered them in mysetup.ini.
    std::map<std::string, std::string> PortNames() const {
        std::map<std::string, std::string> names;
        for (const std::string& line : Lines(SetupIni())) {
            const std::size_t equals = line.find('=');
            if (line.rfind("COM", 0) == 0 && equals != std::string::npos)
                names[line.substr(equals + 1)] = line.substr(0, equals);
        }
        return names;
    }

    // The row of the final table that starts with this port.
    static std::string RowOf(const std::string& table, const std::string& port) {
        for (const std::string& line : Lines(table)) {
            if (line.rfind(port + " ", 0) == 0)
                return line;
        }
        return {};
    }

    // Reads the tool's stderr until `count` radios have been written; false after a minute.
    static bool WaitForWritten(QProcess& cli, std::string& err, int count) {
        QElapsedTimer waited;
        waited.start();
        const std::regex written(R"(COM\d+ written)");
        while (waited.elapsed() < 60000) {
            cli.waitForReadyRead(100);
            err += cli.readAllStandardError().toStdString();
            const auto found = std::sregex_iterator(err.begin(), err.end(), written);
            if (std::distance(found, std::sregex_iterator()) >= count)
                return true;
        }
        return false;
    }
};

TEST_F(CliFleetTest, ThreeRadiosAtOnceOneVanishingHalfwayAndOneOfAnotherBand) {
    const std::string good = StartRadioAt("good", {"--save", Path(File("good.img"))});
    const std::string vanishing = StartRadioAt("vanishing", {"--vanish-after", "90"});
    const std::string otherBand = StartRadioAt("otherband", {"--band", "8"});

    CliResult result =
        RunCli({"write", "--port", QString::fromStdString(good), "--port", QString::fromStdString(vanishing),
                "--port", QString::fromStdString(otherBand), "--yes", Path(File("new.dat"))});
    EXPECT_EQ(result.ExitCode, 1) << result.Err;
    // The tool numbered the links when it met them.
    std::map<std::string, std::string> names = PortNames();
    const std::vector<std::string> table = Lines(result.Out);
    ASSERT_EQ(table.size(), 4u) << result.Out;
    EXPECT_TRUE(std::regex_match(table[0], std::regex(R"(port +model +band +version +time +result)")))
        << table[0];
    EXPECT_TRUE(std::regex_match(RowOf(result.Out, names[good]),
                                 std::regex(names[good] + R"( +RB516 +0 +V200 +\d+\.\d\d s +written)")))
        << result.Out;
    EXPECT_TRUE(std::regex_search(RowOf(result.Out, names[vanishing]),
                                  std::regex(R"(s +failed: The radio does not answer\.)")))
        << result.Out;
    EXPECT_TRUE(std::regex_search(RowOf(result.Out, names[otherBand]),
                                  std::regex(R"(RB516 +8 +V200 +\d+\.\d\d s +failed: The radio is set to a )"
                                             R"(frequency band that does not match the data\.)")))
        << result.Out;
    // The radio written among the others holds what a radio written alone holds.
    StopRadioAt("good");
    const std::string alone = StartRadioAt("alone", {"--save", Path(File("alone.img"))});
    ASSERT_EQ(
        RunCli({"write", "--port", QString::fromStdString(alone), "--yes", Path(File("new.dat"))}).ExitCode,
        0);
    StopRadioAt("alone");
    EXPECT_EQ(TempFolder::ReadFile(File("good.img")), TempFolder::ReadFile(File("alone.img")));
}

TEST_F(CliFleetTest, ReadingSeveralPortsSavesEachRadioUnderItsPortName) {
    const std::string first = StartRadioAt("first");
    const std::string second = StartRadioAt("second", {"--band", "8"});
    CliResult result = RunCli({"read", "--port", QString::fromStdString(first), "--port",
                               QString::fromStdString(second), "--yes", Path(File("x.dat"))});
    ASSERT_EQ(result.ExitCode, 0) << result.Err << result.Out;
    std::map<std::string, std::string> names = PortNames();
    const std::filesystem::path firstFile = File("x-" + names[first] + ".dat");
    const std::filesystem::path secondFile = File("x-" + names[second] + ".dat");
    ASSERT_TRUE(std::filesystem::exists(firstFile)) << result.Out;
    ASSERT_TRUE(std::filesystem::exists(secondFile)) << result.Out;
    EXPECT_NE(RunCli({"show", Path(secondFile)}).Out.find("BandCode 8\n"), std::string::npos);
    EXPECT_NE(RowOf(result.Out, names[first]).find(" read"), std::string::npos) << result.Out;
}

TEST_F(CliFleetTest, RepeatWritesEachRadioPutOnTheCableAndReportsThem) {
    std::unique_ptr<QProcess> cli =
        StartCli({"write", "--repeat", "--count", "3", "--report", Path(File("run.csv")), "--port",
                  QString::fromStdString(Link()), "--yes", Path(File("new.dat"))});
    std::string err;
    for (int radio = 1; radio <= 3; ++radio) {
        StartRadio();
        ASSERT_TRUE(WaitForWritten(*cli, err, radio)) << err;
        StopRadio();
        // The tool sees the cable empty before the next radio comes.
        QThread::msleep(1500);
    }
    ASSERT_TRUE(cli->waitForFinished(10000)) << err;
    EXPECT_EQ(cli->exitCode(), 0) << err;
    const std::vector<std::string> table = Lines(cli->readAllStandardOutput().toStdString());
    EXPECT_EQ(table.size(), 4u);
    const std::vector<std::string> report = Lines(TempFolder::ReadFile(File("run.csv")));
    ASSERT_EQ(report.size(), 4u);
    EXPECT_EQ(report[0], "time,port,model,band,version,result");
    for (std::size_t line = 1; line < report.size(); ++line) {
        EXPECT_TRUE(std::regex_match(
            report[line], std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,COM\d+,RB516,0,V200,written)")))
            << report[line];
    }
}

TEST_F(CliFleetTest, CtrlCEndsARepeatCleanlyWithTheTable) {
    StartRadio();
    std::unique_ptr<QProcess> cli = StartCli(
        {"write", "--repeat", "--port", QString::fromStdString(Link()), "--yes", Path(File("new.dat"))});
    std::string err;
    ASSERT_TRUE(WaitForWritten(*cli, err, 1)) << err;
    kill(static_cast<pid_t>(cli->processId()), SIGINT);
    ASSERT_TRUE(cli->waitForFinished(10000));
    EXPECT_EQ(cli->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli->exitCode(), 0);
    EXPECT_EQ(Lines(cli->readAllStandardOutput().toStdString()).size(), 2u);
}

TEST_F(CliFleetTest, FleetOptionsThatCannotWorkTogetherAreUsageErrors) {
    EXPECT_EQ(RunCli({"write", "--port", "1", "--port", "2", "--trace", "t", "x.dat"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"write", "--report", "r.csv", "x.dat"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"write", "--repeat", "--count", "0", "x.dat"}).ExitCode, 2);
}

}  // namespace
}  // namespace mox::test
