#pragma once

#include <QString>
#include <functional>

#include "files/FileDialogs.h"

class QWidget;

namespace mox {

// The open and save dialogs of the data files on QFileDialog.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(std::function<QWidget*()> parent);
    std::optional<std::string> OpenFileName(const std::string& filter, const std::string& folder) override;
    std::optional<std::string> SaveFileName(const std::string& filter, const std::string& proposed) override;

private:
    std::function<QWidget*()> m_parent;
};

// "description (*.dat)|*.dat" as QFileDialog takes it: "description (*.dat)".
QString QtFilterOf(const std::string& filter);
// The extension a name typed without one takes in the save dialog: "ted" for "... (*.ted)|*.ted".
QString DefaultSuffixOf(const std::string& filter);

}  // namespace mox
