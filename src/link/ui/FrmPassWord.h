#pragma once

#include <QDialog>
#include <string>

#include "app/AppState.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace mox {

// Asks for the programming password: one masked box of at most four characters.
class FrmPassWord : public QDialog {
    Q_OBJECT
public:
    FrmPassWord(const AppState& state, const std::string& password, QWidget* parent);
    // Shows the dialog modal; on OK the password takes the typed text and the result is true.
    static bool Ask(const AppState& state, std::string& password, QWidget* parent);

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;
};

}  // namespace mox
