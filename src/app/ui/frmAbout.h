#pragma once

#include <QDialog>

#include "app/AppState.h"

class QLabel;
class QPushButton;

namespace mox {

// The About window: title, version, description and disclaimer, each a language text.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(const AppState& state, QWidget* parent);

    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
};

}  // namespace mox
