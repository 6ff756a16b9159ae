#pragma once

#include <filesystem>

#include "services/ProgramPaths.h"

namespace mox::test {

// Folder facts a test sets: whether the program folder may be written and where the per-user
// configuration folder is.
class FakeFolderFacts : public FolderFacts {
public:
    bool IsWritableFolder(const std::filesystem::path&) const override { return Writable; }
    std::filesystem::path UserConfigFolder() const override { return Config; }

    bool Writable = true;
    std::filesystem::path Config;
};

}  // namespace mox::test
