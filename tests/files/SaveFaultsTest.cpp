#include <gmock/gmock.h>

#include <algorithm>

#include "app/ExchangeCommands.h"
#include "files/Backups.h"
#include "files/DataChanged.h"
#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "files/FileTestSupport.h"
#include "support/FaultyFileSystem.h"

namespace mox::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using Fault = FaultyFileSystem::Fault;

const char* const kSavedFiles[] = {"radio.dat", "radio.NVD", "radio.ted"};

std::vector<std::string> FolderContent(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct FaultCase {
    const char* Name;
    Fault Injected;
};

const FaultCase kFailingSteps[] = {
    {"Open", Fault::Open},   {"Write", Fault::Write}, {"DiskFull", Fault::DiskFull},
    {"Flush", Fault::Flush}, {"Close", Fault::Close}, {"Rename", Fault::Rename},
};

// A document saved once as radio.dat with its companion and test data (factory test mode), then
// changed in the data, the alarm mode and the test data.
class SaveFaultsTest : public FileTest {
protected:
    SaveFaultsTest() {
        state.FactoryTestMode = true;
        fs::create_directory(Docs());
        state.Document.CurrentPath = (Docs() / "radio.dat").string();
        EXPECT_TRUE(SaveDataFile(state, windows));
        for (const char* name : kSavedFiles)
            before[name] = TempFolder::ReadFile(Docs() / name);
        state.Data.Functions.Options.SquelchLevel = 7;
        state.Companion.AlarmMode = 0;
        state.WorkingTestData[3] = 0x5A;
        prompts.Prompts.clear();
        state.Files = &faulty;
    }

    fs::path Docs() const { return folder.Root() / "docs"; }

    // Every file as it was after the first save, and nothing else in the folder.
    void ExpectOldFilesIntact(const std::string& context) const {
        for (const char* name : kSavedFiles)
            EXPECT_EQ(TempFolder::ReadFile(Docs() / name), before.at(name)) << context << ": " << name;
        EXPECT_THAT(FolderContent(Docs()), ElementsAre("radio.NVD", "radio.dat", "radio.ted")) << context;
    }

    FaultyFileSystem faulty;
    std::map<std::string, std::string> before;
};

TEST_F(SaveFaultsTest, EveryFailingStepOfEveryFileKeepsTheOldFilesAndTheDataUnsaved) {
    for (const FaultCase& step : kFailingSteps) {
        for (int file = 1; file <= 3; ++file) {
            const std::string context = std::string(step.Name) + " of " + kSavedFiles[file - 1];
            faulty = FaultyFileSystem(step.Injected, file);
            prompts.Prompts.clear();

            EXPECT_FALSE(SaveDataFile(state, windows)) << context;

            EXPECT_EQ(faulty.FaultsMet, 1) << context;
            EXPECT_THAT(prompts.Numbers(), ElementsAre(9002)) << context;
            EXPECT_TRUE(IsDataChanged(state)) << context;
            EXPECT_TRUE(faulty.OpenHandles.empty()) << context;
            ExpectOldFilesIntact(context);
        }
    }
}

TEST_F(SaveFaultsTest, SaveSucceedsOnceTheDiskWorksAgain) {
    faulty = FaultyFileSystem(Fault::DiskFull, 1);
    ASSERT_FALSE(SaveDataFile(state, windows));
    faulty.Injected = Fault::None;

    ASSERT_TRUE(SaveDataFile(state, windows));

    EXPECT_FALSE(IsDataChanged(state));
    EXPECT_EQ(TempFolder::ReadFile(Docs() / "radio.NVD"), std::string("V200\0", 5));
    EXPECT_EQ(TempFolder::ReadFile(Docs() / "radio.ted")[3], '\x5A');
    EXPECT_THAT(FolderContent(Docs()), ElementsAre("radio.NVD", "radio.dat", "radio.ted"));
}

TEST_F(SaveFaultsTest, ShortWritesStillSaveEveryByte) {
    for (int file = 1; file <= 3; ++file) {
        faulty = FaultyFileSystem(Fault::ShortWrites, file);
        state.Data.Functions.Options.SquelchLevel = static_cast<std::int16_t>(file);

        ASSERT_TRUE(SaveDataFile(state, windows)) << file;

        EXPECT_GT(faulty.FaultsMet, 1) << file;
        const std::vector<std::uint8_t> record = EncodeDataRecord(state.Data);
        EXPECT_EQ(TempFolder::ReadFile(Docs() / "radio.dat"), std::string(record.begin(), record.end()));
        EXPECT_EQ(TempFolder::ReadFile(Docs() / "radio.NVD"), std::string("V200\0", 5));
        EXPECT_EQ(TempFolder::ReadFile(Docs() / "radio.ted").size(), 16u);
        EXPECT_FALSE(IsDataChanged(state));
    }
}

TEST_F(SaveFaultsTest, FailedSaveAsKeepsTheDocumentName) {
    const std::string original = state.Document.CurrentPath;
    for (const FaultCase& step : kFailingSteps) {
        faulty = FaultyFileSystem(step.Injected, 2);
        dialogs.Answers.push_back((Docs() / "other.dat").string());

        EXPECT_FALSE(FileSaveAs(state, dialogs, windows)) << step.Name;

        EXPECT_EQ(state.Document.CurrentPath, original) << step.Name;
        EXPECT_TRUE(IsDataChanged(state)) << step.Name;
        // A file that did not exist before does not exist after.
        ExpectOldFilesIntact(step.Name);
    }
}

TEST_F(SaveFaultsTest, FailedBackupLeavesNothingInTheBackupFolder) {
    const fs::path backups = folder.Root() / "backups";
    for (const FaultCase& step : kFailingSteps) {
        faulty = FaultyFileSystem(step.Injected, 2);

        EXPECT_TRUE(WriteBackup(backups, state, BackupKind::Read, 0).empty()) << step.Name;

        EXPECT_TRUE(FolderContent(backups).empty()) << step.Name;
    }
}

TEST_F(SaveFaultsTest, FailedChannelExportKeepsTheOldListAndSaysSo) {
    TempFolder::WriteFile(Docs() / "channels.csv", "old list");
    for (const FaultCase& step : kFailingSteps) {
        faulty = FaultyFileSystem(step.Injected, 1);
        prompts.Prompts.clear();
        dialogs.Answers.push_back((Docs() / "channels.csv").string());

        EXPECT_FALSE(ExportChannels(state, dialogs)) << step.Name;

        EXPECT_THAT(prompts.Numbers(), ElementsAre(9002)) << step.Name;
        EXPECT_EQ(TempFolder::ReadFile(Docs() / "channels.csv"), "old list") << step.Name;
        EXPECT_THAT(FolderContent(Docs()),
                    ElementsAre("channels.csv", "radio.NVD", "radio.dat", "radio.ted"));
    }
}

}  // namespace
}  // namespace mox::test
