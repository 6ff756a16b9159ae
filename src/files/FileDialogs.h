#pragma once

#include <optional>
#include <string>
#include <utility>

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

// The open dialog answered by a file chosen beforehand (on the command line, in the backups window);
// saving still asks the user.
class GivenFileDialogs : public FileDialogs {
public:
    GivenFileDialogs(std::string file, FileDialogs& dialogs) : m_file(std::move(file)), m_dialogs(dialogs) {}
    std::optional<std::string> OpenFileName(const std::string&, const std::string&) override {
        return m_file;
    }
    std::optional<std::string> SaveFileName(const std::string& filter, const std::string& proposed) override {
        return m_dialogs.SaveFileName(filter, proposed);
    }

private:
    std::string m_file;
    FileDialogs& m_dialogs;
};

}  // namespace mox
