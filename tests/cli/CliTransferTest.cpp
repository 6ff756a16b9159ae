#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <chrono>
#include <thread>

#include "cli/CliFixture.h"

namespace mox::test {
namespace {

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

QJsonObject Json(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

class CliTransferTest : public CliFixture {};

TEST_F(CliTransferTest, ReadsTheRadioIntoADataFile) {
    StartRadio();
    CliResult read =
        RunCli({"read", "--port", QString::fromStdString(Link()), "--yes", Path(File("radio.dat"))});
    ASSERT_EQ(read.ExitCode, 0) << read.Err;
    EXPECT_EQ(std::filesystem::file_size(File("radio.dat")), 8597u);

    CliResult show = RunCli({"show", "--json", Path(File("radio.dat"))});
    ASSERT_EQ(show.ExitCode, 0) << show.Err;
    const QJsonArray channels = Json(show.Out)["Channels"].toArray();
    ASSERT_EQ(channels.size(), 5);
    EXPECT_EQ(channels[0].toObject()["RxDigits"].toString(), "43512500");
    EXPECT_EQ(channels[2].toObject()["TxFrequency"].toString(), "435.00000");

    // The link path given by hand now has a number of its own.
    CliResult ports = RunCli({"ports"});
    EXPECT_NE(ports.Out.find("COM1 " + Link()), std::string::npos) << ports.Out;
}

TEST_F(CliTransferTest, WritesADataFileIntoTheRadio) {
    ASSERT_EQ(RunCli({"new", "--band", "0", Path(File("new.dat"))}).ExitCode, 0);
    StartRadio({"--save", Path(File("radio.img"))});
    CliResult write =
        RunCli({"write", "--port", QString::fromStdString(Link()), "--yes", Path(File("new.dat"))});
    ASSERT_EQ(write.ExitCode, 0) << write.Err;
    StopRadio();
    const std::string image = TempFolder::ReadFile(File("radio.img"));
    ASSERT_EQ(image.size(), 2832u);
    // New data hold channel 1 only, where the radio had five channels.
    EXPECT_EQ(static_cast<unsigned char>(image[2048]), 0xFE);
    EXPECT_EQ(static_cast<unsigned char>(image[2049]), 0xFF);
    EXPECT_EQ(image.substr(2824, 4), "V200");
}

TEST_F(CliTransferTest, ReadsTheRadioInformation) {
    // Model, band and version come from the radio's identity answer, not from the tool's new data.
    StartRadio({"--model", "RB516G", "--band", "5", "--version", "V100"});
    CliResult info = RunCli({"info", "--port", QString::fromStdString(Link()), "--json"});
    ASSERT_EQ(info.ExitCode, 0) << info.Err;
    const QJsonObject json = Json(info.Out);
    EXPECT_EQ(json["SerialNumber"].toString(), "RB516A0012345");
    EXPECT_EQ(json["DealerCode"].toString(), "HARBOUR RADIO");
    EXPECT_EQ(json["InfoModel"].toString(), "RB516G");
    EXPECT_EQ(json["InfoBandCode"].toInt(), 5);
    EXPECT_EQ(json["BandName"].toString(), "450 - 480 MHz");
    EXPECT_EQ(json["VersionInfo"].toString(), "V100");

    info = RunCli({"info", "--port", QString::fromStdString(Link())});
    ASSERT_EQ(info.ExitCode, 0) << info.Err;
    EXPECT_NE(info.Out.find(": RB516G\n"), std::string::npos) << info.Out;
    EXPECT_NE(info.Out.find(": 450 - 480 MHz\n"), std::string::npos) << info.Out;
    EXPECT_NE(info.Out.find(": V100\n"), std::string::npos) << info.Out;
}

TEST_F(CliTransferTest, RefusesToReadARadioOfAnUnknownBand) {
    StartRadio({"--band", "15"});
    CliResult read = RunCli({"read", "--port", QString::fromStdString(Link()), "--yes", Path(File("a.dat"))});
    EXPECT_EQ(read.ExitCode, 1);
    EXPECT_NE(read.Err.find("band code 15"), std::string::npos) << read.Err;
    EXPECT_FALSE(std::filesystem::exists(File("a.dat")));
}

TEST_F(CliTransferTest, FindsARadioAtOtherStopBitsAndHandshakingAndKeepsTheSettings) {
    StartRadio({"--stop-bits", "2", "--handshaking", "2"});
    CliResult read =
        RunCli({"read", "--port", QString::fromStdString(Link()), "--yes", Path(File("radio.dat"))});
    ASSERT_EQ(read.ExitCode, 0) << read.Err;
    const std::string setup = SetupIni();
    EXPECT_NE(setup.find("StopBit=2"), std::string::npos) << setup;
    EXPECT_NE(setup.find("Handshaking=2"), std::string::npos) << setup;
}

TEST_F(CliTransferTest, RetriesABlockWhoseRepliesGetLostAndGivesUpAfterThreeRetries) {
    // Requests 1..3 are "PROGRAM", the identification and the password block; 4 is the first block.
    StartRadio({"--drop", "4,5,6"});
    CliResult read = RunCli({"read", "--port", QString::fromStdString(Link()), "--yes", Path(File("a.dat"))});
    EXPECT_EQ(read.ExitCode, 0) << read.Err;
    StopRadio();

    StartRadio({"--drop", "4,5,6,7"});
    read = RunCli({"read", "--port", QString::fromStdString(Link()), "--yes", Path(File("b.dat"))});
    EXPECT_EQ(read.ExitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(File("b.dat")));
}

TEST_F(CliTransferTest, NeedsTheRadioPasswordWhenTheRadioHasOne) {
    StartRadio({"--password", "12", "--transcript", Path(File("radio.log"))});
    const QString port = QString::fromStdString(Link());
    CliResult refused = RunCli({"read", "--port", port, "--yes", Path(File("a.dat"))});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_NE(refused.Err.find("PassWord Failure!"), std::string::npos) << refused.Err;
    // The refused read still tells the radio to leave programming mode.
    std::string transcript;
    for (int wait = 0; wait < 100 && transcript.find("> 45 4E 44\n") == std::string::npos; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        transcript = TempFolder::ReadFile(File("radio.log"));
    }
    EXPECT_NE(transcript.find("> 45 4E 44\n"), std::string::npos) << transcript;

    CliResult read = RunCli({"read", "--port", port, "--password", "12", "--yes", Path(File("a.dat"))});
    EXPECT_EQ(read.ExitCode, 0) << read.Err;
}

TEST_F(CliTransferTest, RefusesTheReadWithoutAnAnswerToTheQuestion) {
    StartRadio();
    CliResult read = RunCli({"read", "--port", QString::fromStdString(Link()), Path(File("a.dat"))});
    EXPECT_EQ(read.ExitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(File("a.dat")));
}

}  // namespace
}  // namespace mox::test
