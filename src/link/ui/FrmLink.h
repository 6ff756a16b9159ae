#pragma once

#include <QDialog>
#include <memory>

#include "app/AppState.h"
#include "link/FirstRunSearch.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace mox {

// The first-run window: the user picks the port of the programming cable and OK calls the radio
// there. Its captions are fixed English; only the instructions are language texts.
class FrmLink : public QDialog, public FirstRunView {
    Q_OBJECT
public:
    FrmLink(AppState& state, SerialPort& port, TimerFactory& timers, PortMap& ports,
            QWidget* parent = nullptr);
    ~FrmLink() override;

    void ShowPortEntries(const std::vector<std::string>& entries, int selected) override;
    void CloseWindow() override;

    QLabel* Label1;
    QComboBox* Combo1;
    QPlainTextEdit* Text1;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;

protected:
    void done(int result) override;

private:
    std::unique_ptr<FirstRunSearch> m_search;
    bool m_filling = false;
};

// Runs the first-run window modal. Afterwards state.Link.IsFirstRun tells whether a radio answered.
void LoadFrmLink(AppState& state, SerialPort& port, TimerFactory& timers, PortMap& ports);

}  // namespace mox
