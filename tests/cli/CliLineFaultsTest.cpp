#include "cli/CliFixture.h"

namespace mox::test {
namespace {

// From the radio's end to the tool's; the wall clock of a busy machine gets some room beyond the
// two seconds a transfer may take.
constexpr qint64 kLongestEndMs = 2000;

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

class CliLineFaultsTest : public CliFixture {
protected:
    // The radio goes away after request `request` of a read or write; the tool must give up at once
    // and a radio plugged in again must be read. Returns the milliseconds from the radio's end to the
    // tool's.
    qint64 PullCableAt(const char* verb, int request, int expectedExit) {
        const std::string context = std::string(verb) + " at request " + std::to_string(request);
        StartRadio({"--vanish-after", QString::number(request)});
        qint64 radioEnded = -1;
        qint64 toolEnded = -1;
        const CliResult transfer = RunCliWatchingRadio(
            {verb, "--port", QString::fromStdString(Link()), "--yes", Path(File("radio.dat"))}, radioEnded,
            toolEnded);
        EXPECT_EQ(transfer.ExitCode, expectedExit) << context << "\n" << transfer.Out << transfer.Err;
        EXPECT_GE(radioEnded, 0) << context;
        EXPECT_LE(toolEnded - radioEnded, kLongestEndMs) << context;

        StopRadio();
        StartRadio();
        const CliResult read =
            RunCli({"read", "--port", QString::fromStdString(Link()), "--yes", Path(File("again.dat"))});
        EXPECT_EQ(read.ExitCode, 0) << context << "\n" << read.Err;
        StopRadio();
        return toolEnded - radioEnded;
    }
};

TEST_F(CliLineFaultsTest, CablePulledDuringAReadOrWriteEndsTheToolAtOnce) {
    ASSERT_EQ(RunCli({"new", "--band", "0", Path(File("radio.dat"))}).ExitCode, 0);
    qint64 worst = 0;
    // "PROGRAM", identification, password block, first, middle and last block: the failure; after the
    // end request the radio has everything.
    for (const int request : {1, 2, 3, 4, 90, 180, 181})
        worst = std::max(worst, PullCableAt("read", request, request == 181 ? 0 : 1));
    for (const int request : {3, 100, 181})
        worst = std::max(worst, PullCableAt("write", request, request == 181 ? 0 : 1));
    RecordProperty("WorstMillisecondsFromLossToEnd", static_cast<int>(worst));
}

TEST_F(CliLineFaultsTest, GarbageRepliesAreAskedForAgainAndARadioTalkingOnlyGarbageIsGivenUp) {
    StartRadio();
    ASSERT_EQ(
        RunCli({"read", "--port", QString::fromStdString(Link()), "--yes", Path(File("clean.dat"))}).ExitCode,
        0);
    StopRadio();

    StartRadio({"--garbage-at", "1,2,3,50,181"});
    const CliResult read =
        RunCli({"read", "--port", QString::fromStdString(Link()), "--yes", Path(File("noisy.dat"))});
    ASSERT_EQ(read.ExitCode, 0) << read.Err;
    EXPECT_EQ(TempFolder::ReadFile(File("noisy.dat")), TempFolder::ReadFile(File("clean.dat")));
    StopRadio();

    // Blocks from the 47th on are answered with garbage only: four requests of 150 ms, then the end.
    StartRadio({"--garbage-from", "50"});
    qint64 radioEnded = -1;
    qint64 toolEnded = -1;
    const CliResult failed = RunCliWatchingRadio(
        {"read", "--port", QString::fromStdString(Link()), "--yes", Path(File("failed.dat"))}, radioEnded,
        toolEnded);
    EXPECT_EQ(failed.ExitCode, 1) << failed.Out << failed.Err;
    EXPECT_FALSE(std::filesystem::exists(File("failed.dat")));
    EXPECT_LT(toolEnded, kLongestEndMs + 2000);
}

}  // namespace
}  // namespace mox::test
