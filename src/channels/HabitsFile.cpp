#include "channels/HabitsFile.h"

#include <array>

#include "services/RecordFile.h"

namespace mox {

namespace {

constexpr std::size_t kRecordSize = 10;

std::filesystem::path HabitsPath(const std::filesystem::path& settingsFolder) {
    return settingsFolder / "Habit.ini";
}

std::array<bool*, 5> HabitFields(Habits& habits) {
    return {&habits.PasteNoPrompt, &habits.PasteInserts, &habits.DeleteNoPrompt, &habits.DeleteRemoves,
            &habits.ShowTxAsShift};
}

}  // namespace

std::array<bool, 5> HabitList(const Habits& habits) {
    Habits copy = habits;
    std::array<bool, 5> list{};
    const auto fields = HabitFields(copy);
    for (std::size_t i = 0; i < fields.size(); ++i)
        list[i] = *fields[i];
    return list;
}

Habits HabitsOf(const std::array<bool, 5>& list) {
    Habits habits;
    const auto fields = HabitFields(habits);
    for (std::size_t i = 0; i < fields.size(); ++i)
        *fields[i] = list[i];
    return habits;
}

Habits ReadHabits(const std::filesystem::path& settingsFolder) {
    const std::optional<std::string> record = ReadRecord(HabitsPath(settingsFolder), kRecordSize);
    std::array<bool, 5> list{};
    for (std::size_t i = 0; record && i < list.size(); ++i)
        list[i] = (*record)[2 * i] != 0 || (*record)[2 * i + 1] != 0;
    return HabitsOf(list);
}

void LoadHabits(Habits& habits, ChannelClipboard& clipboard, const std::filesystem::path& settingsFolder) {
    clipboard.Full = false;
    CreateEmptyIfMissing(HabitsPath(settingsFolder));
    habits = ReadHabits(settingsFolder);
}

bool WriteHabits(const Habits& habits, const std::filesystem::path& settingsFolder) {
    std::string record;
    for (const bool habit : HabitList(habits))
        record.append(2, habit ? '\xFF' : '\0');
    return WriteRecord(HabitsPath(settingsFolder), record);
}

}  // namespace mox
