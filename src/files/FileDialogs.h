#pragma once

#include <optional>
#include <string>

namespace mox {

// The open and save dialogs. `filter` is "description (*.ext)|*.ext"; nothing when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Starts in `folder` (the system's choice when empty).
    virtual std::optional<std::string> OpenFileName(const std::string& filter, const std::string& folder) = 0;
    // Proposes `proposed`: a file name, in the folder where the dialog starts when it has one.
    virtual std::optional<std::string> SaveFileName(const std::string& filter,
                                                    const std::string& proposed) = 0;
};

}  // namespace mox
