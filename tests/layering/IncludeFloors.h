#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace mox::test {

// One `#include` line of a source file: the file as a path under src/, its line number, what it names
// and whether it names it in angle brackets.
struct IncludeLine {
    std::string File;
    int Line = 0;
    std::string Target;
    bool Angled = false;
};

// The folder a file under src/ belongs to: "link/ui/FrmLink.cpp" -> "link/ui", "app/AppState.h" -> "app".
std::string FolderOf(const std::string& file);

// The `#include` lines of every .h and .cpp file under this folder, their paths relative to it.
std::vector<IncludeLine> ReadIncludes(const std::filesystem::path& sourceFolder);

// Everything that breaks the floors, one line each naming file and line: a folder that includes a
// folder above it, folders that include each other around a circle, a core folder that includes Qt,
// and a folder that has no floor.
std::vector<std::string> FloorFaults(const std::vector<IncludeLine>& includes);

}  // namespace mox::test
