#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "app/AppState.h"
#include "channels/BatchSetup.h"
#include "widgets/WindowRegistry.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace mox {

// The batch set-up of channels, a modal dialog: a range of channels and, for each chosen item, the
// value or the stepping it sets. One panel shows the settings of the chosen items, the other the
// choice of items (kept in BatchFun.ini). Apply writes the channels and redraws the channel list and
// the channel editor when they are open; the dialog stays open.
class FrmCHBatch : public QDialog {
    Q_OBJECT
public:
    FrmCHBatch(AppState& state, WindowRegistry& windows, QWidget* parent = nullptr);

    // The range.
    QRadioButton* OptionAll = nullptr;
    QRadioButton* OptionRange = nullptr;
    QLineEdit* TextFrom = nullptr;
    QLineEdit* TextTo = nullptr;
    QCheckBox* CheckClear = nullptr;

    // The two panels and the buttons.
    QStackedWidget* Panels = nullptr;
    QWidget* SettingsPanel = nullptr;
    QWidget* ItemPanel = nullptr;
    std::array<QCheckBox*, kBatchItemCount> CheckItem{};
    QPushButton* CommandSelAll = nullptr;
    QPushButton* CommandSelNone = nullptr;
    QPushButton* CommandFun = nullptr;
    QPushButton* CommandApply = nullptr;
    QPushButton* CommandClose = nullptr;

    // Receive frequency.
    QLineEdit* TextRxStart = nullptr;
    QLineEdit* TextRxStep = nullptr;
    std::array<QRadioButton*, 2> OptionRxDirection{};  // increase, decrease
    // Transmit frequency.
    std::array<QRadioButton*, 3> OptionTxMode{};  // default, offset, start frequency
    QLineEdit* TextTxOffset = nullptr;
    std::array<QRadioButton*, 2> OptionOffsetSign{};  // plus, minus
    QLineEdit* TextTxStart = nullptr;
    QLineEdit* TextTxStep = nullptr;
    std::array<QRadioButton*, 2> OptionTxDirection{};
    // Tones: receive [0] and transmit [1].
    std::array<QComboBox*, 2> ComboToneStart{};
    std::array<QLineEdit*, 2> TextToneInterval{};
    std::array<std::array<QRadioButton*, 2>, 2> OptionToneDirection{};
    std::array<QCheckBox*, 2> CheckToneRandom{};
    QCheckBox* CheckTxToneSame = nullptr;
    // Items 6 to 21: a list or a check box each.
    std::array<QComboBox*, kBatchItemCount> ComboValue{};
    std::array<QCheckBox*, kBatchItemCount> CheckValue{};

public slots:
    void CommandApply_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (FrmCHBatchPanels.cpp).
    void BuildRange();
    void BuildItemPanel();
    void BuildSettingsPanel();
    QWidget* BuildFrequencyItems();
    QWidget* BuildToneItem(int tone);
    QWidget* BuildValueItems();
    void AddItemRow(QGridLayout* grid, int row, int column, int item, QWidget* controls);
    QLineEdit* NumberBox(const char* name, bool frequency);
    QRadioButton* Option(const char* name, int text, QWidget* parent);

    // Behaviour.
    void OnItemClicked(int item);
    void SelectEvery(bool selected);
    void SwitchPanel();
    void ShowItemRows();
    void UpdateEnabling();
    void CheckField(QLineEdit* box);
    void KeepRangeText(QLineEdit* box);
    BatchFields ReadFields() const;
    void ShowCheckedFields(const BatchFields& fields);
    void RedrawChannelWindows();

    AppState& m_state;
    WindowRegistry& m_windows;
    // The label and the controls of each item in the settings panel.
    std::array<std::vector<QWidget*>, kBatchItemCount> m_itemWidgets;
    // The stored value of each entry of the lists of items 6 to 21.
    std::array<std::vector<int>, kBatchItemCount> m_values;
};

}  // namespace mox
