#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>
#include <sstream>

#include "app/AppState.h"
#include "cli/CliFixture.h"
#include "files/DataFile.h"
#include "files/DocumentWindows.h"
#include "image/ChannelTable.h"
#include "support/ScriptedPrompter.h"

namespace mox::test {
namespace {

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// A data file whose group 2 is full: channel 16 + q receives on (420 + q).5 MHz; channel 1 is the one
// a new file has.
class CliReorderTest : public CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        ASSERT_EQ(RunCli({"new", "--band", "0", Path(File("a.dat"))}).ExitCode, 0);
        AppState state;
        ScriptedPrompter prompter;
        state.Prompts = &prompter;
        state.Versions.Firm = {{"V200", "V200"}};
        NoDocumentWindows windows;
        ASSERT_TRUE(OpenDataFile(state, windows, File("a.dat")));
        for (int position = 1; position <= 16; ++position)
            AppendDefaultChannel(state.Data.Channels, state.Model, 16 + position,
                                 std::to_string(420 + position) + ".5");
        ASSERT_TRUE(SaveDataFile(state, windows));
    }
    CliResult Cli(const QStringList& words) {
        return RunCli(QStringList{words[0], Path(File("a.dat"))} + words.mid(1));
    }
    // The whole MHz of the receive frequency of each channel from `first` to `last` as show reports
    // them, 0 for an empty channel.
    std::vector<int> Mhz(int first, int last) {
        const CliResult show = RunCli({"show", "--json", Path(File("a.dat"))});
        const QJsonObject data = QJsonDocument::fromJson(QByteArray::fromStdString(show.Out)).object();
        std::vector<int> mhz(static_cast<std::size_t>(last - first + 1), 0);
        for (const QJsonValue& channel : data["Channels"].toArray()) {
            const int number = channel.toObject()["Number"].toInt();
            if (number >= first && number <= last)
                mhz[static_cast<std::size_t>(number - first)] =
                    channel.toObject()["RxDigits"].toString().left(3).toInt();
        }
        return mhz;
    }
    static std::vector<int> Group2(std::initializer_list<int> formerPositions) {
        std::vector<int> mhz;
        for (int former : formerPositions)
            mhz.push_back(former == 0 ? 0 : 420 + former);
        return mhz;
    }
    void WriteHabits(bool deleteRemoves) {
        TempFolder::WriteFile(ProgramFile("Habit.ini"),
                              std::string("\0\0\0\0\0\0", 6) +
                                  (deleteRemoves ? "\xFF\xFF" : std::string(2, '\0')) + std::string(2, '\0'));
    }
    std::string FileBytes() { return TempFolder::ReadFile(File("a.dat")); }
};

TEST_F(CliReorderTest, DeleteClosesTheGapAsTheHabitOrTheOptionSays) {
    struct Case {
        const char* Name;
        std::optional<bool> Habit;  // nothing: no Habit.ini
        QStringList Options;
        bool Closes;
    };
    const Case cases[] = {
        {"no habits file", std::nullopt, {}, false},
        {"habit closes", true, {}, true},
        {"habit closes, --keep-gap", true, {"--keep-gap"}, false},
        {"habit keeps, --close-gap", false, {"--close-gap"}, true},
        {"no habits file, --close-gap", std::nullopt, {"--close-gap"}, true},
    };
    const std::string original = FileBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TempFolder::WriteFile(File("a.dat"), original);
        std::filesystem::remove(ProgramFile("Habit.ini"));
        if (c.Habit)
            WriteHabits(*c.Habit);
        const CliResult deleted = Cli(QStringList{"delete"} + c.Options + QStringList{"19"});
        ASSERT_EQ(deleted.ExitCode, 0) << deleted.Err;
        if (c.Closes) {
            EXPECT_EQ(Mhz(17, 32), Group2({1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0}));
            EXPECT_EQ(std::count(deleted.Out.begin(), deleted.Out.end(), '\n'), 1 + 14);
        } else {
            EXPECT_EQ(Mhz(17, 32), Group2({1, 2, 0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
            EXPECT_EQ(deleted.Out.substr(deleted.Out.find('\n') + 1), "19\n");
        }
        EXPECT_EQ(Mhz(1, 1), std::vector<int>{440});
        EXPECT_EQ(std::filesystem::exists(ProgramFile("Habit.ini")), c.Habit.has_value());
    }
}

TEST_F(CliReorderTest, InsertMovesTheRestOfTheGroupDownAndPrintsTheChangedRowsAsShowDoes) {
    const CliResult inserted = Cli({"insert", "19"});
    ASSERT_EQ(inserted.ExitCode, 0) << inserted.Err;
    EXPECT_EQ(Mhz(17, 33), [] {
        std::vector<int> mhz = Group2({1, 2, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
        mhz.push_back(0);  // the former channel 32 is gone, not moved into the next group
        return mhz;
    }());
    const std::string shown = RunCli({"show", Path(File("a.dat"))}).Out;
    std::istringstream lines(inserted.Out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(shown.rfind(line + '\n', 0), 0u);  // the heading
    EXPECT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "19");
    int rows = 0;
    while (std::getline(lines, line)) {
        EXPECT_NE(shown.find('\n' + line + '\n'), std::string::npos) << line;
        ++rows;
    }
    EXPECT_EQ(rows, 13);  // channels 20 to 32
}

TEST_F(CliReorderTest, MovesSwapWithTheNeighbourAndWrapWithinTheGroup) {
    ASSERT_EQ(Cli({"move", "17", "up"}).ExitCode, 0);
    EXPECT_EQ(Mhz(17, 32), Group2({16, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 1}));
    const CliResult down = Cli({"move", "32", "down"});
    ASSERT_EQ(down.ExitCode, 0) << down.Err;
    EXPECT_EQ(Mhz(17, 32), Group2({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(std::count(down.Out.begin(), down.Out.end(), '\n'), 3);
    ASSERT_EQ(Cli({"move", "20", "down"}).ExitCode, 0);
    EXPECT_EQ(Mhz(20, 21), Group2({5, 4}));
}

TEST_F(CliReorderTest, CopyPutsTheChannelOverTheTargetAndAnEmptyChannelIsRefused) {
    const CliResult copied = Cli({"copy", "18", "1"});
    ASSERT_EQ(copied.ExitCode, 0) << copied.Err;
    EXPECT_EQ(Mhz(1, 2), (std::vector<int>{422, 0}));
    EXPECT_EQ(copied.Out.substr(copied.Out.find('\n') + 1, 2), "1 ");
    ASSERT_EQ(Cli({"copy", "18", "100"}).ExitCode, 0);
    EXPECT_EQ(Mhz(100, 100), std::vector<int>{422});

    const std::string before = FileBytes();
    const CliResult empty = Cli({"copy", "5", "17"});
    EXPECT_EQ(empty.ExitCode, 2);
    EXPECT_NE(empty.Err.find("channel 5 is empty"), std::string::npos) << empty.Err;
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(CliReorderTest, WrongWordsAreUsageErrorsThatLeaveTheFileAlone) {
    const std::string before = FileBytes();
    const QStringList wrong[] = {
        {"delete", "0"},
        {"insert", "129"},
        {"move", "17", "left"},
        {"move", "17"},
        {"copy", "17"},
        {"delete", "--close-gap", "--keep-gap", "17"},
        {"copy", "--close-gap", "17", "18"},
        {"insert", "17", "18"},
    };
    for (const QStringList& words : wrong) {
        SCOPED_TRACE(words.join(' ').toStdString());
        EXPECT_EQ(Cli(words).ExitCode, 2);
    }
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(Cli({"delete", "17"}).ExitCode, 0);
    EXPECT_EQ(RunCli({"delete", Path(File("missing.dat")), "17"}).ExitCode, 1);
}

}  // namespace
}  // namespace mox::test
