#pragma once

#include <QDialog>
#include <optional>

#include "exchange/ChannelCsvImport.h"
#include "services/Messages.h"

class QCheckBox;
class QPushButton;

namespace mox {

// How the rows of a channel list are taken, asked before the file is chosen: by default they go to
// channels 1, 2, 3, ... in file order and replace the list.
class FrmImportOptions : public QDialog {
    Q_OBJECT

public:
    FrmImportOptions(const Messages& messages, QWidget* parent = nullptr);
    // Nothing when the user cancelled.
    static std::optional<ImportOptions> Ask(const Messages& messages, QWidget* parent);

    QCheckBox* Check1[2];  // keep locations, merge
    QPushButton* CommandOK;
    QPushButton* CommandCancel;
};

}  // namespace mox
