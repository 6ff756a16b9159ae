#pragma once

#include <filesystem>
#include <string>

#include "services/ProgramPaths.h"

namespace mox::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end of
// the test. Laid out as an installation: Root() holds language/mysetup.ini and Version.ini,
// ProgramFolder() = Root()/V200.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Root() const { return m_root; }
    std::filesystem::path ProgramFolder() const { return m_root / "V200"; }
    // The staged tree's layout: everything in the program folder and the root folder.
    ProgramPaths Paths() const { return PortablePaths(ProgramFolder()); }
    // Copies the delivered language files from the source tree into the program folder.
    void InstallLanguageFiles() const;
    static void WriteFile(const std::filesystem::path& path, const std::string& bytes);
    static std::string ReadFile(const std::filesystem::path& path);

private:
    std::filesystem::path m_root;
};

}  // namespace mox::test
