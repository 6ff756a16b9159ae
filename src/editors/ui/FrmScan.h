#pragma once

#include <QWidget>
#include <array>

#include "app/EditSteps.h"
#include "editors/ScanFields.h"
#include "widgets/WindowRegistry.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace mox {

// Edits how the radio scans: scan mode, priority channels, return channel, look-back times, resume
// delays and the entry tone. Every choice is stored at once. The group and position lists follow the
// channels that exist; a change of the scan mode makes an open key window show its keys again.
class FrmScan : public QWidget {
    Q_OBJECT
public:
    FrmScan(const Messages& messages, FunctionSettings& settings, const ChannelTable& channels,
            WindowRegistry& windows, EditorSteps steps = {}, QWidget* parent = nullptr);

    // Combo1(0) scan mode, Combo1(1) priority mode, Combo1(2)-Combo1(3) group and position of priority
    // channel 1, Combo1(4)-Combo1(5) of priority channel 2, Combo1(6) return channel, Combo1(7) to
    // Combo1(10) the times; Label1(3) and Label1(5) are the "-" between group and position.
    std::array<QComboBox*, 11> Combo1{};
    std::array<QLabel*, 11> Label1{};
    QCheckBox* Check1;
    QPushButton* CommandClose;
    QPushButton* CommandHelp;

public slots:
    // The channel list changed: the group and position lists are built again.
    void ReshowByCh();
    // Undo or redo put other data in place: the controls show them.
    void ShowRestoredData();

private:
    void MakeControls(const Messages& messages);
    void LayOut();
    void AddRow(QGridLayout* grid, int place);
    void ShowValues();
    void ShowView();
    void ConnectLists();
    void ScanModeChosen(int index);
    void PriorityModeChosen(int index);
    void GroupChosen(int priority, int index);
    // The return channels the priority mode offers, with the stored one selected.
    void InitRevertList(int shown);
    void ShowChannelLists(const ScanChannelLists& lists);
    void EnableControls();
    void ReshowKeyWindow();

    // The eight return channel texts; the list offers those of the priority mode.
    const std::vector<std::string> m_returnChoices;
    FunctionSettings& m_settings;
    const ChannelTable& m_channels;
    EditorSteps m_steps;
    WindowRegistry& m_windows;
};

}  // namespace mox
