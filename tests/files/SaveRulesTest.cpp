#include <gmock/gmock.h>

#include <functional>

#include "factory/TestDataFile.h"
#include "files/CompanionFile.h"
#include "files/DataChanged.h"
#include "files/DataFile.h"
#include "files/FileTestSupport.h"
#include "services/IniFile.h"
#include "services/RecordFile.h"

namespace mox::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

constexpr fs::perms kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;

// Every file the program saves, each by its own writer: `Save` writes the file at `Name` in the folder
// it is given and says whether it did.
struct Writer {
    const char* Name;
    std::function<bool(const fs::path& folder)> Save;
};

class SaveRulesTest : public FileTest {
protected:
    bool SaveData(const fs::path& path) {
        state.Document.CurrentPath = path.string();
        return SaveDataFile(state, windows);
    }

    const std::vector<Writer> writers{
        {"radio.dat", [this](const fs::path& folder) { return SaveData(folder / "radio.dat"); }},
        {"radio.NVD",
         [](const fs::path& folder) {
             const auto files = DataFileWithCompanion(folder / "radio.dat", {}, {});
             return ReplaceFileContent(files.back().Path, files.back().Bytes);
         }},
        {"radio.ted",
         [](const fs::path& folder) { return SaveTestDataFile(SystemFiles(), folder / "radio.ted", {}); }},
        {"mysetup.ini",
         [](const fs::path& folder) {
             return WriteIniString(folder / "mysetup.ini", "language", "comPort", "3");
         }},
        {"Setting.ini", [](const fs::path& folder) { return WriteRecord(folder / "Setting.ini", "1010"); }},
    };
};

TEST_F(SaveRulesTest, NoSaveOverwritesAReadOnlyFile) {
    for (const Writer& writer : writers) {
        const fs::path at = folder.Root() / "protected" / writer.Name;
        TempFolder::WriteFile(at / writer.Name, "old");
        fs::permissions(at / writer.Name, kReadOnly);

        EXPECT_FALSE(writer.Save(at)) << writer.Name;

        EXPECT_EQ(TempFolder::ReadFile(at / writer.Name), "old") << writer.Name;
        EXPECT_EQ(fs::status(at / writer.Name).permissions() & fs::perms::mask, kReadOnly) << writer.Name;
    }
}

TEST_F(SaveRulesTest, EverySaveWritesThroughALink) {
    for (const Writer& writer : writers) {
        const fs::path at = folder.Root() / "linked" / writer.Name;
        const fs::path stored = folder.Root() / "store" / writer.Name;
        TempFolder::WriteFile(stored, "old");
        fs::create_directories(at);
        fs::create_symlink(stored, at / writer.Name);

        EXPECT_TRUE(writer.Save(at)) << writer.Name;

        EXPECT_TRUE(fs::is_symlink(at / writer.Name)) << writer.Name;
        EXPECT_NE(TempFolder::ReadFile(stored), "old") << writer.Name;
    }
}

TEST_F(SaveRulesTest, RefusedDataFileSaveReportsAndKeepsTheDataChanged) {
    const fs::path path = folder.Root() / "radio.dat";
    TempFolder::WriteFile(path, "old");
    fs::permissions(path, kReadOnly);
    state.Data.Functions.Options.SquelchLevel = 3;

    EXPECT_FALSE(SaveData(path));

    EXPECT_THAT(prompts.Numbers(), ElementsAre(9002));
    EXPECT_TRUE(IsDataChanged(state));
    EXPECT_FALSE(fs::exists(folder.Root() / "radio.NVD"));
}

}  // namespace
}  // namespace mox::test
