#pragma once

// Habit.ini in the settings folder: the five edit-command habits as one 10-byte record, each a 16-bit
// little-endian number, -1 for true and 0 for false.

#include <filesystem>

#include "channels/ChannelEditState.h"

namespace mox {

// Read once at start-up. A missing file is created empty; a missing, short or unreadable file gives
// all five habits false (ask before paste and delete, paste overwrites, delete leaves a gap,
// frequencies in the transmit column).
void LoadHabits(Habits& habits, const std::filesystem::path& settingsFolder);

// Rewrites the record whenever a habit changes; false on failure, which the caller ignores.
bool WriteHabits(const Habits& habits, const std::filesystem::path& settingsFolder);

}  // namespace mox
