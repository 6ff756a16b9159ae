#pragma once

#include <QWidget>
#include <array>

#include "app/AppState.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mox {

// Shows the production and dealer data last read from the radio. Nothing typed here is stored.
class FrmRadioInfo : public QWidget {
    Q_OBJECT
public:
    FrmRadioInfo(const AppState& state, QWidget* parent = nullptr);

    QGroupBox* Frame1;
    QLabel* Label2;
    std::array<QLabel*, 14> Label1{};
    // Text1(4), the repair reason, is the multi-line box RepairReason; its slot here stays empty.
    std::array<QLineEdit*, 12> Text1{};
    QPlainTextEdit* RepairReason;
    std::array<QComboBox*, 2> Combo1{};
    QPushButton* CommandClose;
    QPushButton* CommandHelp;

private:
    void ShowInfo(const RadioInfo& info);
};

}  // namespace mox
