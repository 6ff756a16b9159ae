#include "support/BuildPaths.h"

namespace mox::test {

std::filesystem::path SourceTree() {
    return MOX_SOURCE_DIR;
}

std::filesystem::path BuiltProgramFolder() {
    return MOX_PROGRAM_FOLDER;
}

}  // namespace mox::test
