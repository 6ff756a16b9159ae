#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <vector>

#include "app/AppState.h"
#include "link/PortMap.h"
#include "link/PortOptions.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace mox {

// The serial port of the programming cable: one option for each of the ports 1 to 16, enabled while
// that port exists, its device shown as the option's tool tip and, for the chosen option, below the
// options. The list follows adapters that are plugged in or out while the dialog is open.
class FrmSetComm : public QDialog {
    Q_OBJECT
public:
    FrmSetComm(AppState& state, PortMap& ports, QWidget* parent);

    QGroupBox* Frame1;
    std::array<QRadioButton*, kPortOptionCount> Option1{};
    QLabel* Label1;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;
    QTimer ReCommTimer;

protected:
    void done(int result) override;

private:
    void ShowAvailability();
    void ShowChosenDevice();

    AppState& m_state;
    PortMap& m_ports;
    QButtonGroup* m_group;
    std::vector<PortEntry> m_entries;
};

}  // namespace mox
