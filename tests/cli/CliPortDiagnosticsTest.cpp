#include "cli/CliFixture.h"
#include "platform/QtSerialPort.h"

namespace mox::test {
namespace {

class CliPortDiagnosticsTest : public CliFixture {};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(CliPortDiagnosticsTest, APortThatWouldNotOpenIsReportedWithItsReason) {
    const std::string missing = File("no-cable").string();
    CliResult read = RunCli({"read", "--port", QString::fromStdString(missing), "--yes",
                             QString::fromStdString(File("radio.dat").string())});
    EXPECT_NE(read.ExitCode, 0);
    EXPECT_TRUE(
        Contains(read.Err, "The device " + missing +
                               " is not there. Plug the programming cable in, or choose the port it is on."))
        << read.Err;

    StartRadio();
    QtSerialPort holder;
    ASSERT_TRUE(holder.Open(PortSettings{Link(), 0, 1}));
    read = RunCli({"read", "--port", QString::fromStdString(Link()), "--yes",
                   QString::fromStdString(File("radio.dat").string())});
    EXPECT_NE(read.ExitCode, 0);
    EXPECT_TRUE(Contains(read.Err, "The device " + Link() + " is in use by another program.")) << read.Err;
    EXPECT_FALSE(std::filesystem::exists(File("radio.dat")));
}

}  // namespace
}  // namespace mox::test
