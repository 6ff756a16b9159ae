#include <gtest/gtest.h>

#include "app/AppState.h"
#include "channels/BatchFunFile.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

using test::TempFolder;

class BatchFunFileTest : public ::testing::Test {
protected:
    BatchFunFileTest() { state.Paths = folder.Paths(); }
    std::filesystem::path File() const { return folder.ProgramFolder() / "BatchFun.ini"; }

    TempFolder folder;
    AppState state;
};

TEST_F(BatchFunFileTest, MissingFileSelectsEveryItemAndIsWritten) {
    LoadBatchItemSelection(state.BatchItems, state.Paths.SettingsFolder);
    for (const std::uint8_t item : state.BatchItems)
        EXPECT_EQ(item, 1);
    EXPECT_EQ(TempFolder::ReadFile(File()), std::string(20, '\x01'));
}

TEST_F(BatchFunFileTest, AnyNonZeroByteSelectsItsItem) {
    std::string record(20, '\0');
    record[0] = '\x01';
    record[4] = '\xFF';
    record[19] = '\x02';
    TempFolder::WriteFile(File(), record);
    LoadBatchItemSelection(state.BatchItems, state.Paths.SettingsFolder);
    BatchItemSelection expected{};
    expected[0] = expected[4] = expected[19] = 1;
    EXPECT_EQ(state.BatchItems, expected);
}

TEST_F(BatchFunFileTest, UnreadableFileLeavesTheSelectionAsItWas) {
    TempFolder::WriteFile(File(), std::string(5, '\x01'));
    state.BatchItems.fill(0);
    state.BatchItems[7] = 1;
    LoadBatchItemSelection(state.BatchItems, state.Paths.SettingsFolder);
    BatchItemSelection expected{};
    expected[7] = 1;
    EXPECT_EQ(state.BatchItems, expected);
    EXPECT_EQ(TempFolder::ReadFile(File()), std::string(5, '\x01'));
}

}  // namespace
}  // namespace mox
