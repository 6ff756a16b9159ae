#pragma once

// Habit.ini in the settings folder: the five edit-command habits as one 10-byte record, each a 16-bit
// little-endian number, -1 for true and 0 for false.

#include <array>
#include <filesystem>

#include "channels/ChannelEditState.h"

namespace mox {

// The habits in file order, as the habits dialog shows them, and back.
std::array<bool, 5> HabitList(const Habits& habits);
Habits HabitsOf(const std::array<bool, 5>& list);

// The habits the file holds. A missing, short or unreadable file gives all five false (ask before
// paste and delete, paste overwrites, delete leaves a gap, frequencies in the transmit column).
Habits ReadHabits(const std::filesystem::path& settingsFolder);

// Once at start-up: the clipboard starts empty, a missing file is created empty, and the habits are
// read from it.
void LoadHabits(Habits& habits, ChannelClipboard& clipboard, const std::filesystem::path& settingsFolder);

// Rewrites the record whenever a habit changes; false on failure, which the caller ignores.
bool WriteHabits(const Habits& habits, const std::filesystem::path& settingsFolder);

}  // namespace mox
