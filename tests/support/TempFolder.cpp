#include "support/TempFolder.h"

#include <fstream>
#include <random>
#include <sstream>

#include "support/BuildPaths.h"

namespace mox::test {

TempFolder::TempFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    m_root = std::filesystem::temp_directory_path() / ("moxtest-" + std::to_string(random()));
    std::filesystem::create_directories(m_root / "V200" / "language");
    std::filesystem::create_directories(m_root / "language");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(m_root, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_root, ignored);
}

void TempFolder::InstallLanguageFiles() const {
    const std::filesystem::path source = SourceTree() / "dist" / "language";
    for (const char* name : {"english.ini", "chinese.ini"}) {
        std::filesystem::copy_file(source / name, ProgramFolder() / "language" / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

void TempFolder::WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempFolder::ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace mox::test
