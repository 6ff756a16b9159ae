#pragma once

#include <filesystem>
#include <optional>

#include "factory/TestData.h"
#include "services/FileSystem.h"

namespace mox {

// The test data file beside a data file: abc.dat -> abc.ted. Nothing for a data file that is itself
// called *.ted.
std::optional<std::filesystem::path> TestDataPathOf(const std::filesystem::path& dataPath);

// Takes the first 16 bytes of the file when it exists and holds that many; otherwise `data` stays as
// it was and the result is false.
bool LoadTestDataFile(const std::filesystem::path& path, TestData& data);

// The 16 bytes become the whole file content. False when the file could not be written.
bool SaveTestDataFile(FileSystem& files, const std::filesystem::path& path, const TestData& data);

}  // namespace mox
