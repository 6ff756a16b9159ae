#include <gtest/gtest.h>

#include "app/AppState.h"
#include "channels/HabitsFile.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

using test::TempFolder;

class HabitsFileTest : public ::testing::Test {
protected:
    HabitsFileTest() { state.Paths = folder.Paths(); }
    std::filesystem::path File() const { return folder.ProgramFolder() / "Habit.ini"; }

    TempFolder folder;
    AppState state;
};

TEST_F(HabitsFileTest, MissingFileIsCreatedEmptyAndGivesAllFalseAndAnEmptyClipboard) {
    state.Habit.PasteInserts = true;
    state.Clipboard.Full = true;
    LoadHabits(state.Habit, state.Clipboard, state.Paths.SettingsFolder);
    EXPECT_TRUE(std::filesystem::exists(File()));
    EXPECT_EQ(TempFolder::ReadFile(File()), "");
    EXPECT_FALSE(state.Habit.PasteNoPrompt);
    EXPECT_FALSE(state.Habit.PasteInserts);
    EXPECT_FALSE(state.Habit.DeleteNoPrompt);
    EXPECT_FALSE(state.Habit.DeleteRemoves);
    EXPECT_FALSE(state.Habit.ShowTxAsShift);
    EXPECT_FALSE(state.Clipboard.Full);
}

TEST_F(HabitsFileTest, WordsAreReadInOrderAndAnyNonZeroIsTrue) {
    TempFolder::WriteFile(File(), std::string("\xFF\xFF\x00\x00\x01\x00\x00\x00\x00\x80", 10));
    LoadHabits(state.Habit, state.Clipboard, state.Paths.SettingsFolder);
    EXPECT_TRUE(state.Habit.PasteNoPrompt);
    EXPECT_FALSE(state.Habit.PasteInserts);
    EXPECT_TRUE(state.Habit.DeleteNoPrompt);
    EXPECT_FALSE(state.Habit.DeleteRemoves);
    EXPECT_TRUE(state.Habit.ShowTxAsShift);
}

TEST_F(HabitsFileTest, ReadingAloneCreatesNoFile) {
    EXPECT_FALSE(ReadHabits(state.Paths.SettingsFolder).DeleteRemoves);
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(HabitsFileTest, ShortFileGivesAllFalse) {
    TempFolder::WriteFile(File(), std::string("\xFF\xFF\xFF\xFF", 4));
    LoadHabits(state.Habit, state.Clipboard, state.Paths.SettingsFolder);
    EXPECT_FALSE(state.Habit.PasteNoPrompt);
    EXPECT_FALSE(state.Habit.PasteInserts);
}

TEST_F(HabitsFileTest, WriteStoresMinusOneForTrue) {
    state.Habit.PasteNoPrompt = true;
    state.Habit.PasteInserts = true;
    ASSERT_TRUE(WriteHabits(state.Habit, state.Paths.SettingsFolder));
    EXPECT_EQ(TempFolder::ReadFile(File()), std::string("\xFF\xFF\xFF\xFF\0\0\0\0\0\0", 10));
    state.Habit = Habits{};
    LoadHabits(state.Habit, state.Clipboard, state.Paths.SettingsFolder);
    EXPECT_TRUE(state.Habit.PasteInserts);
    EXPECT_FALSE(state.Habit.ShowTxAsShift);
}

TEST_F(HabitsFileTest, UnwritableFileIsOnlyReported) {
    std::filesystem::create_directory(File());
    LoadHabits(state.Habit, state.Clipboard, state.Paths.SettingsFolder);
    EXPECT_FALSE(state.Habit.PasteNoPrompt);
    EXPECT_FALSE(WriteHabits(state.Habit, state.Paths.SettingsFolder));
}

}  // namespace
}  // namespace mox
