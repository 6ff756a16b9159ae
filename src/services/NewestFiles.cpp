#include "services/NewestFiles.h"

#include <algorithm>
#include <ctime>
#include <system_error>
#include <tuple>

namespace mox {

namespace {

constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

}  // namespace

// By the time stamp the name starts with; files of the same second by the time they were last written.
std::vector<std::filesystem::path> FilesNewestFirst(const std::filesystem::path& folder,
                                                    std::string_view extension) {
    struct Found {
        std::string Stamp;
        std::filesystem::file_time_type Written;
        std::filesystem::path Path;
    };
    std::vector<Found> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error) && entry.path().extension() == extension)
            found.push_back({entry.path().filename().string().substr(0, kStampLength),
                             entry.last_write_time(error), entry.path()});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return std::tie(a.Stamp, a.Written, a.Path) > std::tie(b.Stamp, b.Written, b.Path);
    });
    std::vector<std::filesystem::path> files;
    for (const Found& file : found)
        files.push_back(file.Path);
    return files;
}

void KeepNewestFiles(const std::filesystem::path& folder, std::string_view extension, std::size_t count) {
    const std::vector<std::filesystem::path> files = FilesNewestFirst(folder, extension);
    for (std::size_t i = count; i < files.size(); ++i) {
        std::error_code error;
        std::filesystem::remove(files[i], error);
    }
}

std::filesystem::path FreeFileName(const std::filesystem::path& folder, const std::string& stem,
                                   std::string_view extension) {
    std::filesystem::path path = folder / (stem + std::string(extension));
    std::error_code error;
    for (int copy = 2; std::filesystem::exists(path, error); ++copy)
        path = folder / (stem + "-" + std::to_string(copy) + std::string(extension));
    return path;
}

std::string TimeStampText(std::time_t when) {
    return LocalTimeText(when, "%Y%m%d-%H%M%S");
}

std::string LocalTimeText(std::time_t when, const char* format) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[64];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

}  // namespace mox
