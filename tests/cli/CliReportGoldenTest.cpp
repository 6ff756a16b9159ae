#include <cstddef>
#include <fstream>
#include <sstream>

#include "cli/CliFixture.h"
#include "files/DataFileLayout.h"
#include "support/BuildPaths.h"

namespace mox::test {
namespace {

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::filesystem::path GoldenFile(const std::string& name) {
    return SourceTree() / "tests" / "cli" / "golden" / name;
}

std::string ReadGolden(const std::string& name) {
    std::ifstream in(GoldenFile(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The radio-wide settings of a data file, every field holding a value of its own, so that a report
// which reads one field for another, or loses one, differs from the golden text. Numbers run 1..16
// (a DTMF count stays a count), texts are DTMF digits, which every text field can hold.
void PatternSettings(std::string& bytes) {
    constexpr char kDigits[] = "0123456789ABCD*#";
    int next = 0;
    for (const FileField& field : DataFileFields()) {
        if (field.Member < offsetof(RadioData, Functions))
            continue;
        for (std::size_t i = 0; i < field.Size; ++i, ++next) {
            const bool text = field.Type == FileFieldType::Text;
            const bool highByte = field.Type == FileFieldType::Int16 && i == 1;
            bytes[field.Offset + i] = text       ? kDigits[next % 16]
                                      : highByte ? '\0'
                                                 : static_cast<char>(next % 16 + 1);
        }
    }
}

// The reports of moxcps-cli that name every radio-wide setting, pinned to the byte. Set MOX_WRITE_GOLDEN
// to write the golden texts anew after a change of output that is meant.
class CliReportGoldenTest : public CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        ASSERT_EQ(RunCli({"new", "--band", "0", Path(File("new.dat"))}).ExitCode, 0);
        std::string bytes = TempFolder::ReadFile(File("new.dat"));
        ASSERT_EQ(bytes.size(), kDataFileSize);
        PatternSettings(bytes);
        TempFolder::WriteFile(File("a.dat"), bytes);
        TempFolder::WriteFile(File("a.NVD"), std::string("V200\x00", 5));
    }

    void ExpectGolden(const QStringList& args, int exitCode, const std::string& golden) {
        const CliResult result = RunCli(args);
        ASSERT_EQ(result.ExitCode, exitCode) << result.Err;
        if (qEnvironmentVariableIsSet("MOX_WRITE_GOLDEN")) {
            std::ofstream(GoldenFile(golden), std::ios::binary) << result.Out;
            return;
        }
        EXPECT_EQ(result.Out, ReadGolden(golden)) << golden;
    }
};

TEST_F(CliReportGoldenTest, SettingsListsEveryFieldAsBefore) {
    ExpectGolden({"settings", Path(File("a.dat"))}, 0, "settings.txt");
    ExpectGolden({"settings", "--json", Path(File("a.dat"))}, 0, "settings.json");
}

TEST_F(CliReportGoldenTest, ShowListsEveryFieldAsBefore) {
    ExpectGolden({"show", Path(File("a.dat"))}, 0, "show.txt");
    ExpectGolden({"show", "--json", Path(File("a.dat"))}, 0, "show.json");
}

TEST_F(CliReportGoldenTest, DiffNamesEveryChangedSettingAsBefore) {
    ExpectGolden({"diff", Path(File("new.dat")), Path(File("a.dat"))}, 1, "diff.txt");
}

}  // namespace
}  // namespace mox::test
