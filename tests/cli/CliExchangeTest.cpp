#include <QProcess>
#include <QStandardPaths>

#include "cli/CliFixture.h"

namespace mox::test {
namespace {

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Two data files for band 400 - 480 MHz: a.dat with channels 1, 2 and 9, b.dat new (channel 1 only).
class CliExchangeTest : public CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        ASSERT_EQ(RunCli({"new", Path(File("a.dat"))}).ExitCode, 0);
        ASSERT_EQ(RunCli({"new", Path(File("b.dat"))}).ExitCode, 0);
        ASSERT_EQ(RunCli({"set", Path(File("a.dat")), "2", "rx", "435.125", "tx", "430.125", "power", "Low"})
                      .ExitCode,
                  0);
        ASSERT_EQ(RunCli({"set", Path(File("a.dat")), "9", "rx", "446.00625", "rxtone", "023I"}).ExitCode, 0);
    }
    CliResult Import(const std::string& csv, QStringList options = {}) {
        TempFolder::WriteFile(File("in.csv"), csv);
        return RunCli(QStringList{"import", Path(File("b.dat")), Path(File("in.csv"))} + options);
    }
    std::string Bytes(const std::string& name) { return TempFolder::ReadFile(File(name)); }
};

TEST_F(CliExchangeTest, ExportedChannelsImportBackToTheSameData) {
    const CliResult exported = RunCli({"export", Path(File("a.dat")), Path(File("a.csv"))});
    ASSERT_EQ(exported.ExitCode, 0) << exported.Err;
    const std::string csv = Bytes("a.csv");
    EXPECT_EQ(
        csv.substr(0, csv.find("\r\n")),
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE");
    EXPECT_NE(csv.find("\r\n2,,435.125000,-,5.000000,,"), std::string::npos) << csv;
    EXPECT_EQ(RunCli({"export", Path(File("a.dat")), "-"}).Out, csv);

    const CliResult imported =
        RunCli({"import", Path(File("b.dat")), Path(File("a.csv")), "--keep-locations"});
    ASSERT_EQ(imported.ExitCode, 0) << imported.Err;
    EXPECT_EQ(imported.Out, "Channels imported: 3\n");
    const CliResult diff = RunCli({"diff", Path(File("a.dat")), Path(File("b.dat"))});
    EXPECT_EQ(diff.ExitCode, 0) << diff.Out;
    EXPECT_EQ(diff.Out, "");
}

TEST_F(CliExchangeTest, ImportExitStatusesAndWhereTheDataGo) {
    const std::string before = Bytes("b.dat");
    EXPECT_EQ(Import("Name,Freq\nx,435\n").ExitCode, 2);
    EXPECT_EQ(RunCli({"import", Path(File("b.dat")), Path(File("missing.csv"))}).ExitCode, 1);
    EXPECT_EQ(Import("Location,Frequency\n1,500\n").ExitCode, 1) << "no row could be taken";
    const CliResult strict = Import("Location,Frequency,Mode\n1,435.0,FM\n2,435.0,AM\n", {"--strict"});
    EXPECT_EQ(strict.ExitCode, 1);
    EXPECT_EQ(strict.Out,
              "Row 3 (Location 2) skipped: the mode \"AM\" is neither FM nor NFM\nChannels imported: 1\n");
    EXPECT_EQ(Bytes("b.dat"), before) << "nothing is saved";

    const CliResult out = Import("Location,Frequency\n5,435.0\n",
                                 {"--keep-locations", "--merge", "--out", Path(File("new.dat"))});
    ASSERT_EQ(out.ExitCode, 0) << out.Err;
    EXPECT_EQ(Bytes("b.dat"), before);
    const CliResult diff = RunCli({"diff", Path(File("b.dat")), Path(File("new.dat"))});
    EXPECT_EQ(diff.ExitCode, 1);
    EXPECT_EQ(diff.Out.substr(0, diff.Out.find(':')), "channel 5 added");

    const CliResult skipped = Import("Location,Frequency,Mode\n1,435.0,FM\n2,435.0,AM\n");
    EXPECT_EQ(skipped.ExitCode, 0) << "imported with a skipped row";
    EXPECT_NE(Bytes("b.dat"), before);
}

TEST_F(CliExchangeTest, DiffNamesOneChangedFieldAndOneSettingAndFailsOnAnUnreadableFile) {
    ASSERT_EQ(RunCli({"set", Path(File("b.dat")), "1", "power", "Mid"}).ExitCode, 0);
    const CliResult diff = RunCli({"diff", Path(File("a.dat")), Path(File("b.dat"))});
    EXPECT_EQ(diff.ExitCode, 1);
    EXPECT_EQ(diff.Out.substr(0, diff.Out.find('\n')), "channel 1 TxPower: High -> Mid");
    EXPECT_EQ(RunCli({"diff", Path(File("a.dat")), Path(File("a.dat"))}).ExitCode, 0);
    EXPECT_EQ(RunCli({"diff", Path(File("a.dat")), Path(File("none.dat"))}).ExitCode, 2);
}

// Eight pages of channel groups and two of settings; pdftoppm renders the last one.
TEST_F(CliExchangeTest, ThePrintedListIsAPdfOfTenPagesThatOpens) {
    const CliResult print = RunCli({"print", Path(File("a.dat")), Path(File("a.pdf"))});
    ASSERT_EQ(print.ExitCode, 0) << print.Err;
    const std::string pdf = Bytes("a.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    ASSERT_FALSE(pdftoppm.isEmpty()) << "install poppler-utils";
    QProcess render;
    render.start(pdftoppm,
                 {"-f", "10", "-l", "11", "-r", "20", "-png", Path(File("a.pdf")), Path(File("page"))});
    ASSERT_TRUE(render.waitForFinished(30000));
    EXPECT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    EXPECT_TRUE(std::filesystem::exists(File("page-10.png")));
    EXPECT_FALSE(std::filesystem::exists(File("page-11.png")));
    EXPECT_EQ(RunCli({"print", Path(File("none.dat")), Path(File("b.pdf"))}).ExitCode, 1);
}

}  // namespace
}  // namespace mox::test
