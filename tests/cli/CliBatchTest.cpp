#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "cli/CliFixture.h"

namespace mox::test {
namespace {

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Batch set-up on a new data file for band 400 - 480 MHz, which holds channel 1 only.
class CliBatchTest : public CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        ASSERT_EQ(RunCli({"new", "--band", "0", Path(File("a.dat"))}).ExitCode, 0);
    }
    CliResult Batch(const QStringList& options) {
        return RunCli(QStringList{"batch", Path(File("a.dat"))} + options);
    }
    // The channels as show reports them, by number.
    std::map<int, QJsonObject> Channels() {
        const CliResult show = RunCli({"show", "--json", Path(File("a.dat"))});
        std::map<int, QJsonObject> channels;
        const QJsonObject data = QJsonDocument::fromJson(QByteArray::fromStdString(show.Out)).object();
        for (const QJsonValue& channel : data["Channels"].toArray())
            channels[channel.toObject()["Number"].toInt()] = channel.toObject();
        return channels;
    }
    std::string FileBytes() { return TempFolder::ReadFile(File("a.dat")); }
};

TEST_F(CliBatchTest, ARangeStepsWithTheDialogsChecksAndTheChangedRowsArePrintedAsShowPrintsThem) {
    const CliResult batch =
        Batch({"--from", "8", "--to", "3", "--rx", "435", "--rx-step", "7", "--rxtone", "743I",
               "--rxtone-step", "2", "--txtone", "same", "--power", "0", "--set", "BusyLock=2"});
    ASSERT_EQ(batch.ExitCode, 0) << batch.Err;
    std::map<int, QJsonObject> channels = Channels();
    ASSERT_EQ(channels.size(), 7u);  // channel 1 and the new channels 3 to 8
    const char* const rx[] = {"435.00000", "435.00500", "435.01000", "435.01500", "435.02000", "435.02500"};
    const int tones[] = {280, 282, 1, 3, 5, 7};
    for (int number = 3; number <= 8; ++number) {
        const QJsonObject& channel = channels[number];
        EXPECT_EQ(channel["RxFrequency"].toString(), rx[number - 3]) << number;  // a step of 7 kHz is 5
        EXPECT_EQ(channel["RxTone"].toInt(), tones[number - 3]) << number;
        EXPECT_EQ(channel["TxTone"].toInt(), tones[number - 3]) << number;
        EXPECT_EQ(channel["TxPower"].toInt(), 0);
        EXPECT_EQ(channel["BusyLock"].toInt(), 2);
    }

    const std::string shown = RunCli({"show", Path(File("a.dat"))}).Out;
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = batch.Out.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(batch.Out.substr(at, end - at));
    ASSERT_EQ(lines.size(), 7u);  // the heading and the six channels of the range, in order
    EXPECT_EQ(shown.find(lines[0] + '\n'), 0u);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].substr(0, 2), std::to_string(i + 2) + " ");
        EXPECT_NE(shown.find('\n' + lines[i] + '\n'), std::string::npos) << lines[i];
    }
}

TEST_F(CliBatchTest, AnOffsetIsClampedAndClearOutsideRemovesTheOtherChannels) {
    ASSERT_EQ(Batch({"--from", "1", "--to", "4", "--rx", "402", "--rx-step", "1000"}).ExitCode, 0);
    const CliResult batch = Batch({"--from", "1", "--to", "2", "--tx-offset", "-5", "--clear-outside"});
    ASSERT_EQ(batch.ExitCode, 0) << batch.Err;
    // The heading and the two channels set up; the two cleared are not listed.
    EXPECT_EQ(std::count(batch.Out.begin(), batch.Out.end(), '\n'), 3) << batch.Out;
    std::map<int, QJsonObject> channels = Channels();
    ASSERT_EQ(channels.size(), 2u);
    EXPECT_EQ(channels[1]["TxFrequency"].toString(), "400.00000");  // 397 MHz lies below the band
    EXPECT_EQ(channels[1]["ShiftDigits"].toString(), "0200000");
    EXPECT_EQ(channels[2]["RxFrequency"].toString(), "403.00000");
    EXPECT_EQ(channels[2]["TxFrequency"].toString(), "400.00000");
    EXPECT_EQ(channels[2]["ShiftDirection"].toInt(), 1);
}

TEST_F(CliBatchTest, WithoutTheReceiveFrequencyOnlyExistingChannelsChange) {
    const CliResult batch =
        Batch({"--power", "1", "--set", "scanskip=1", "--txtone", "023N", "--txtone-step", "1"});
    ASSERT_EQ(batch.ExitCode, 0) << batch.Err;
    std::map<int, QJsonObject> channels = Channels();
    ASSERT_EQ(channels.size(), 1u);
    EXPECT_EQ(channels[1]["TxPower"].toInt(), 1);
    EXPECT_EQ(channels[1]["ScanSkip"].toInt(), 1);
    EXPECT_EQ(channels[1]["TxTone"].toInt(), 52);
    EXPECT_EQ(channels[1]["RxTone"].toInt(), 0);  // no coupling of the tones here
}

TEST_F(CliBatchTest, OptionsThatDoNotFitLeaveTheFileAsItWas) {
    const std::string before = FileBytes();
    const QStringList bad[] = {
        {"--down"},
        {"--rx", "435", "--tx", "440", "--tx-offset", "+5"},
        {"--rx", "43a"},
        {"--rxtone", "999"},
        {"--rxtone", "67.0", "--rxtone-down", "--rxtone-random"},
        {"--txtone", "same", "--txtone-step", "2"},
        {"--power", "3"},
        {"--set", "TxPower=1"},
        {"--set", "AutoDial1=3"},  // no auto-dial memory is in use
        {"--set", "Nonsense=1"},
        {"--from", "-1"},
        {"--shift"},
    };
    for (const QStringList& options : bad) {
        const CliResult batch = Batch(options);
        EXPECT_EQ(batch.ExitCode, 2) << options.join(' ').toStdString();
        EXPECT_NE(batch.Err.find("moxcps-cli: "), std::string::npos);
    }
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(RunCli({"batch", Path(File("missing.dat")), "--power", "1"}).ExitCode, 1);
}

}  // namespace
}  // namespace mox::test
