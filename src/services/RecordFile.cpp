#include "services/RecordFile.h"

#include <fstream>
#include <system_error>

#include "services/FileReplace.h"

namespace mox {

std::optional<std::string> ReadRecord(const std::filesystem::path& file, std::size_t size) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    std::string record(size, '\0');
    if (!in.read(record.data(), static_cast<std::streamsize>(size)))
        return std::nullopt;
    return record;
}

bool WriteRecord(const std::filesystem::path& file, std::string_view record) {
    return ReplaceFileContent(file, record);
}

bool CreateEmptyIfMissing(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::exists(file, error))
        return true;
    std::ofstream out(file, std::ios::binary | std::ios::app);
    return static_cast<bool>(out);
}

}  // namespace mox
