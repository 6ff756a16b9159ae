#pragma once

#include <QDialog>

#include "app/AppState.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace mox {

// The language choice. OK stores it; the main window takes a new language when it is activated.
class FrmSetLanguage : public QDialog {
    Q_OBJECT
public:
    FrmSetLanguage(AppState& state, QWidget* parent);

    QLabel* Label1;
    QComboBox* Combo1;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;

private:
    AppState& m_state;
};

}  // namespace mox
