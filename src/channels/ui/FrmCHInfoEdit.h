#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "app/AppState.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mox {

// The channel editor: every setting of one channel, chosen by group and position. It follows the
// channel list's cell, and the channel list follows its group. Every value goes into the channel
// list through SetChannelField, whose refresh brings the stored values back here.
class FrmCHInfoEdit : public QWidget {
    Q_OBJECT
    // False while the window fills its own controls, so that filling stores nothing.
    Q_PROPERTY(bool WandToSave READ WandToSave)
public:
    explicit FrmCHInfoEdit(AppState& state, QWidget* parent = nullptr);
    ~FrmCHInfoEdit() override;

    bool WandToSave() const { return m_wandToSave; }

    QComboBox* Combo4;  // group
    QComboBox* Combo1;  // position
    QLineEdit* Text1;   // receive frequency
    QLineEdit* Text2;   // transmit frequency, or the signed shift
    std::array<QComboBox*, 11> Combo2{};
    std::array<QCheckBox*, 7> Check1{};
    QLabel* LabelText2;
    QPushButton* CommandClose;
    QPushButton* CommandHelp;

public slots:
    // Shows a channel: with rIsGridChange the one at the shared edit position (the channel list's
    // cell), otherwise the one of the editor's own choosers.
    void SetGridEditData(bool rIsGridChange);
    // The transmit field shows the shift (rOffSet) or the transmit frequency.
    void ReShowEditTxFre(bool rOffSet);
    // Stores a frequency that is being typed, as leaving its box would.
    void CommitEdit();
    // The auto-dial memories in use changed.
    void ReshowAutoDial();
    // Undo or redo put other data in place: the memory lists and the shown channel follow them.
    void ShowRestoredData();
    // The channel number of the position the choosers show.
    int ShownNumber() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildLayout();
    void ShowFrequencies(bool exists);
    void ShowList(int list, const std::vector<int>& offered, int entry, bool enabled);
    void OnChooser();
    void OnListChosen(int list);
    void OnCheckClicked(int check);
    void CommitText(QLineEdit* box);

    AppState& m_state;
    bool m_wandToSave = true;
    bool m_closing = false;
    // The stored values each list offers, in entry order.
    std::array<std::vector<int>, 11> m_offered;
    // A frequency box entered and not yet stored.
    QLineEdit* m_pendingBox = nullptr;
};

}  // namespace mox
