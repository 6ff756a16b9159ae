#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "link/FleetRun.h"
#include "link/LinkContext.h"
#include "link/PortMap.h"
#include "link/Timer.h"

class QCheckBox;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace mox {

// Program > "Write to several radios...": the ports as check boxes with the device behind each, a
// repeat option, Start and Stop, and one row per radio with its progress and result. The data
// written are the document's as they are at Start; the document stays locked against edits until the
// run has ended.
class FrmFleet : public QDialog, public FleetView {
    Q_OBJECT
public:
    struct Devices {
        PortMap& Ports;
        FleetRun::PortMaker MakePort;
        TimerFactory& Timers;
        const Clock& RunClock;
    };

    // `lock` is called with true when a run starts and with false when it has ended.
    FrmFleet(const LinkContext& document, Devices devices, TransferOptions options,
             std::function<void(bool)> lock, QWidget* parent);
    ~FrmFleet() override;

    bool IsRunning() const;

    std::vector<QCheckBox*> PortChecks;
    QCheckBox* CheckRepeat;
    QPushButton* CommandStart;
    QPushButton* CommandStop;
    QTableWidget* RadioRows;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnStart();
    void OnStop();
    void WatchRun();
    void EndRun();
    void PortChanged(const FleetPortStatus& status) override;
    void RadioFinished(const FleetRadioResult& result) override;
    int AddRow(int portNumber);
    void SetCell(int row, int column, const QString& text);

    const LinkContext& m_document;
    Devices m_devices;
    TransferOptions m_options;
    std::function<void(bool)> m_lock;
    std::vector<int> m_portNumbers;
    std::unique_ptr<FleetRun> m_run;
    std::unique_ptr<OneShotTimer> m_watchTimer;
    // The row of the radio each port works on now.
    std::map<int, int> m_currentRow;
    std::map<int, FleetPortState> m_lastState;
};

}  // namespace mox
