#pragma once

#include <optional>
#include <string>

namespace mox {

// The open and save dialogs. `filter` is "description (*.ext)|*.ext"; nothing when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> OpenFileName(const std::string& filter) = 0;
    virtual std::optional<std::string> SaveFileName(const std::string& filter,
                                                    const std::string& proposed) = 0;
};

}  // namespace mox
