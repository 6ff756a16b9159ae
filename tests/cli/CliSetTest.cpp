#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliFixture.h"

namespace mox::test {
namespace {

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Channel edits on a new data file for band 400 - 480 MHz, which holds channel 1 only.
class CliSetTest : public CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        ASSERT_EQ(RunCli({"new", "--band", "0", Path(File("a.dat"))}).ExitCode, 0);
    }
    CliResult Set(const QStringList& edits) {
        return RunCli(QStringList{"set", Path(File("a.dat"))} + edits);
    }
    // The channel's record as show reports it; an empty object when the file has no such channel.
    QJsonObject Channel(int number) {
        const CliResult show = RunCli({"show", "--json", Path(File("a.dat"))});
        const QJsonObject data = QJsonDocument::fromJson(QByteArray::fromStdString(show.Out)).object();
        for (const QJsonValue& channel : data["Channels"].toArray()) {
            if (channel.toObject()["Number"].toInt() == number)
                return channel.toObject();
        }
        return {};
    }
    std::string FileBytes() { return TempFolder::ReadFile(File("a.dat")); }
};

TEST_F(CliSetTest, AFirstReceiveFrequencyCreatesTheChannelAndTheRowIsPrintedAsShowPrintsIt) {
    const CliResult set = Set({"20", "rx", "435.125", "RXTONE", "67.0", "Power", "low"});
    ASSERT_EQ(set.ExitCode, 0) << set.Err;
    const QJsonObject channel = Channel(20);
    EXPECT_EQ(channel["RxDigits"].toString(), "43512500");
    EXPECT_EQ(channel["TxFrequency"].toString(), "435.12500");
    EXPECT_EQ(channel["RxTone"].toInt(), 1);
    EXPECT_EQ(channel["TxTone"].toInt(), 1);  // both tones were off: the other one follows
    EXPECT_EQ(channel["TxPower"].toInt(), 0);

    const std::string shown = RunCli({"show", Path(File("a.dat"))}).Out;
    const std::size_t newline = set.Out.find('\n');
    ASSERT_NE(newline, std::string::npos);
    EXPECT_EQ(shown.find(set.Out.substr(0, newline + 1)), 0u) << set.Out;
    EXPECT_NE(shown.find('\n' + set.Out.substr(newline + 1)), std::string::npos) << set.Out;
    EXPECT_EQ(set.Out.substr(newline + 1, 3), "20 ");
}

TEST_F(CliSetTest, AnEmptyReceiveFrequencyDeletesExceptTheOnlyChannel) {
    ASSERT_EQ(Set({"1", "rx", ""}).ExitCode, 0);
    EXPECT_FALSE(Channel(1).isEmpty());
    ASSERT_EQ(Set({"2", "rx", "436"}).ExitCode, 0);
    const CliResult deleted = Set({"1", "rx", ""});
    ASSERT_EQ(deleted.ExitCode, 0) << deleted.Err;
    EXPECT_TRUE(Channel(1).isEmpty());
    EXPECT_EQ(std::count(deleted.Out.begin(), deleted.Out.end(), '\n'), 1);  // the heading alone
}

TEST_F(CliSetTest, AFrequencyOutsideTheBandIsClampedWithTheWarning) {
    const CliResult set = Set({"1", "rx", "500", "tx", "390"});
    ASSERT_EQ(set.ExitCode, 0) << set.Err;
    EXPECT_NE(set.Err.find("The frequency is outside the band and has been set to the nearest band limit."),
              std::string::npos)
        << set.Err;
    EXPECT_EQ(Channel(1)["RxFrequency"].toString(), "480.00000");
    EXPECT_EQ(Channel(1)["TxFrequency"].toString(), "400.00000");
}

TEST_F(CliSetTest, TonesAndListEntriesAreTakenAsTheListsShowThem) {
    ASSERT_EQ(Set({"1", "txtone", "023i", "skip", "1", "spacing", "20 kHz", "signalling", "DTMF"}).ExitCode,
              0);
    QJsonObject channel = Channel(1);
    EXPECT_EQ(channel["TxTone"].toInt(), 168);
    EXPECT_EQ(channel["RxTone"].toInt(), 168);
    EXPECT_EQ(channel["ScanSkip"].toInt(), 1);
    EXPECT_EQ(channel["Spacing"].toInt(), 1);
    EXPECT_EQ(channel["OptionalSignalling"].toInt(), 1);
    ASSERT_EQ(Set({"1", "rxtone", "off", "txtone", "023N"}).ExitCode, 0);
    channel = Channel(1);
    EXPECT_EQ(channel["RxTone"].toInt(), 0);
    EXPECT_EQ(channel["TxTone"].toInt(), 52);
}

TEST_F(CliSetTest, TheEditorsFieldsTakeTheValuesTheEditorOffers) {
    // Lockout 2 needs the receive tone: refused without it, taken with it, turned into 1 without it.
    EXPECT_EQ(Set({"1", "BusyLock", "2"}).ExitCode, 2);
    ASSERT_EQ(Set({"1", "rxtone", "67.0", "busylock", "2", "whisper", "1", "pttid", "3"}).ExitCode, 0);
    EXPECT_EQ(Channel(1)["BusyLock"].toInt(), 2);
    EXPECT_EQ(Channel(1)["Whisper"].toInt(), 1);
    EXPECT_EQ(Channel(1)["PttId"].toInt(), 3);
    ASSERT_EQ(Set({"1", "rxtone", "off"}).ExitCode, 0);
    EXPECT_EQ(Channel(1)["BusyLock"].toInt(), 1);
    // Auto-dial memories of new data are empty: only off is offered.
    EXPECT_EQ(Set({"1", "AutoDial1", "3"}).ExitCode, 2);
    EXPECT_EQ(Set({"1", "AutoDial1", "0"}).ExitCode, 0);
}

TEST_F(CliSetTest, WithShiftATransmitValueIsASignedShift) {
    ASSERT_EQ(Set({"1", "rx", "440"}).ExitCode, 0);
    EXPECT_EQ(Set({"1", "tx", "-5"}).ExitCode, 2);  // no sign without --shift
    const CliResult set = RunCli({"set", "--shift", Path(File("a.dat")), "1", "tx", "-5"});
    ASSERT_EQ(set.ExitCode, 0) << set.Err;
    EXPECT_EQ(Channel(1)["TxFrequency"].toString(), "435.00000");
    // A new receive frequency keeps the shift when it is shown, the transmit frequency otherwise.
    ASSERT_EQ(RunCli({"set", "--shift", Path(File("a.dat")), "1", "rx", "450"}).ExitCode, 0);
    EXPECT_EQ(Channel(1)["TxFrequency"].toString(), "445.00000");
    ASSERT_EQ(Set({"1", "rx", "460"}).ExitCode, 0);
    EXPECT_EQ(Channel(1)["TxFrequency"].toString(), "445.00000");
}

TEST_F(CliSetTest, UsageFaultsExitWithTwoAndLeaveTheFileAsItWas) {
    const std::string before = FileBytes();
    for (const QStringList& edits :
         {QStringList{"0", "rx", "435"}, QStringList{"129", "rx", "435"}, QStringList{"x", "rx", "435"},
          QStringList{"1", "colour", "red"}, QStringList{"1", "power", "3"}, QStringList{"1", "power", "max"},
          QStringList{"1", "rxtone", "67"}, QStringList{"1", "rx", "4a5"}, QStringList{"1", "tx", "."},
          QStringList{"1", "whisper", "2"}, QStringList{"1", "rx", "436", "compander", "yes"}}) {
        const CliResult set = Set(edits);
        EXPECT_EQ(set.ExitCode, 2) << edits.join(' ').toStdString();
        EXPECT_FALSE(set.Err.empty());
    }
    EXPECT_EQ(RunCli({"set", Path(File("a.dat")), "1", "rx"}).ExitCode, 2);
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(CliSetTest, AFileThatCannotBeReadFailsWithOne) {
    EXPECT_EQ(RunCli({"set", Path(File("missing.dat")), "1", "rx", "435"}).ExitCode, 1);
}

}  // namespace
}  // namespace mox::test
