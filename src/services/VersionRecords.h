#pragma once

#include <string>
#include <utility>
#include <vector>

namespace mox {

constexpr const char* kProgramVersion = "V200";

// Version.ini: which data-file and radio versions each installed program version handles.
struct VersionRecords {
    std::string CurrentVersion;
    std::vector<std::string> SoftVersions;
    std::vector<std::pair<std::string, std::string>> Firm;  // (program version, handled version)
};

}  // namespace mox
