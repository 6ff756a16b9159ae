#pragma once

#include <QDialog>

#include "app/AppState.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace mox {

// The model and band the program works for. A changed choice, once confirmed, starts new data.
class FrmModelInfo : public QDialog {
    Q_OBJECT
public:
    FrmModelInfo(AppState& state, QWidget* parent);
    // True when OK made another model or band current (the caller then starts new data).
    bool ModelChanged() const { return m_changed; }

    QLabel* Label1;
    QLabel* Label2;
    QComboBox* Combo1;
    QComboBox* Combo2;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;

private:
    void FillBands(const QString& band);
    void OnOK();

    AppState& m_state;
    bool m_changed = false;
};

}  // namespace mox
