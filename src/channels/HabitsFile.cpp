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

void LoadHabits(Habits& habits, const std::filesystem::path& settingsFolder) {
    habits = Habits{};
    const std::filesystem::path file = HabitsPath(settingsFolder);
    CreateEmptyIfMissing(file);
    const std::optional<std::string> record = ReadRecord(file, kRecordSize);
    if (!record)
        return;
    const auto fields = HabitFields(habits);
    for (std::size_t i = 0; i < fields.size(); ++i)
        *fields[i] = (*record)[2 * i] != 0 || (*record)[2 * i + 1] != 0;
}

bool WriteHabits(const Habits& habits, const std::filesystem::path& settingsFolder) {
    Habits written = habits;
    std::string record;
    for (const bool* field : HabitFields(written)) {
        const char word = *field ? '\xFF' : '\0';
        record.append(2, word);
    }
    return WriteRecord(HabitsPath(settingsFolder), record);
}

}  // namespace mox
