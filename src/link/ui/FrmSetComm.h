#pragma once

#include <QDialog>
#include <QTimer>
#include <array>

#include "app/AppState.h"
#include "link/PortMap.h"
#include "link/PortOptions.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace mox {

// The serial port of the programming cable: one option for each of the ports 1 to 16, enabled while
// that port exists. The list follows adapters that are plugged in or out while the dialog is open.
class FrmSetComm : public QDialog {
    Q_OBJECT
public:
    FrmSetComm(AppState& state, PortMap& ports, QWidget* parent);

    QGroupBox* Frame1;
    std::array<QRadioButton*, kPortOptionCount> Option1{};
    QPushButton* CommandOK;
    QPushButton* CommandCancel;
    QTimer ReCommTimer;

protected:
    void done(int result) override;

private:
    void ShowAvailability();

    AppState& m_state;
    PortMap& m_ports;
    QButtonGroup* m_group;
};

}  // namespace mox
