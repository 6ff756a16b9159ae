#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "services/Messages.h"

class QPlainTextEdit;
class QPushButton;

namespace mox {

// A report of lines to read and copy: what an import skipped or changed, or what differs between the
// data and a file.
class FrmTextReport : public QDialog {
    Q_OBJECT

public:
    FrmTextReport(const Messages& messages, const QString& title, const std::vector<std::string>& lines,
                  QWidget* parent = nullptr);

    QPlainTextEdit* Text1;
    QPushButton* CommandClose;
};

}  // namespace mox
