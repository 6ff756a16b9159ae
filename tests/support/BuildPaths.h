#pragma once

#include <filesystem>

namespace mox::test {

// The source tree of this checkout (the delivered files under dist/ are read from there).
std::filesystem::path SourceTree();
// The program folder the build staged: the built programs beside their delivered files.
std::filesystem::path BuiltProgramFolder();

}  // namespace mox::test
