#pragma once

// The small settings files that hold one raw binary record (Setting.ini, Habit.ini, BatchFun.ini).
// A file is opened, read or written and closed within one call.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mox {

// The first `size` bytes of the file; nothing when it cannot be read or is shorter.
std::optional<std::string> ReadRecord(const std::filesystem::path& file, std::size_t size);

// Writes the record as the whole content of the file, creating it, as every save does
// (ReplaceFileContent); false when that fails.
bool WriteRecord(const std::filesystem::path& file, std::string_view record);

// Creates an empty file when there is none; false when it is missing and cannot be created.
bool CreateEmptyIfMissing(const std::filesystem::path& file);

}  // namespace mox
