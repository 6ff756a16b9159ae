#pragma once

#include <QDialog>
#include <array>

#include "app/AppState.h"

class QCheckBox;
class QPushButton;

namespace mox {

// The five edit-command habits, one box each. OK takes them and writes Habit.ini; Cancel leaves them.
class FrmHabits : public QDialog {
    Q_OBJECT
public:
    FrmHabits(AppState& state, QWidget* parent = nullptr);

    std::array<QCheckBox*, 5> Check1{};
    QPushButton* CommandOK;
    QPushButton* CommandCancel;

private:
    AppState& m_state;
};

}  // namespace mox
