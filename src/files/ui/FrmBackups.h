#pragma once

#include <QDialog>
#include <filesystem>

#include "files/DocumentContext.h"

class QPushButton;
class QTreeWidget;

namespace mox {

// File > Backups...: the data of every read and write the program kept, newest first, with date,
// model, band, read or write and channel count. Open (or a double click) closes the window with the
// chosen backup, which the caller opens as a document.
class FrmBackups : public QDialog {
    Q_OBJECT
public:
    FrmBackups(const DocumentContext& state, const std::filesystem::path& folder, QWidget* parent);
    const std::filesystem::path& ChosenPath() const { return m_chosen; }

    QTreeWidget* BackupList;
    QPushButton* CommandOpen;
    QPushButton* CommandClose;

private:
    void OnOpen();

    std::filesystem::path m_chosen;
};

}  // namespace mox
