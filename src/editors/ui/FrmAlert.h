#pragma once

#include <QWidget>
#include <array>

#include "app/EditSteps.h"
#include "editors/AlertFields.h"
#include "records/RadioRecords.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace mox {

// Edits the emergency alarm: its mode and kind, the ID sent with it, its times and cycles, and the
// channel it uses. Every choice is stored at once; the ID memory list follows the DTMF memories and the
// group and position lists follow the channels that exist.
class FrmAlert : public QWidget {
    Q_OBJECT
public:
    FrmAlert(const Messages& messages, RadioRecords& radio, EditorSteps steps = {},
             QWidget* parent = nullptr);

    std::array<QComboBox*, kAlertListCount> Combo1{};
    std::array<QLabel*, kAlertListCount> Label1{};
    QPushButton* CommandClose;
    QPushButton* CommandHelp;

public slots:
    // The channel list changed: the group and position lists show what exists now.
    void ReshowByCh();
    // The auto-dial memories changed: the ID memory list shows the memories that hold digits.
    void ReshowAutoDial();
    // Undo or redo put other data in place: the controls show them.
    void ShowRestoredData();

private:
    void MakeControls(const Messages& messages);
    void LayOut();
    void Choose(int list, int index);
    // Shows the lists as the core left them; the controls report only the user's choices.
    void ShowView();

    const Messages& m_messages;
    AlertRecords m_records;
    EditorSteps m_steps;
    AlertView m_view;
    bool m_showing = false;
};

}  // namespace mox
