#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

#include "app/AppState.h"
#include "channels/ChannelGrid.h"
#include "channels/ui/ChannelListHost.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QValidator;

namespace mox {

// The channel list: one group of 16 channels in a grid, edited in place. Every value goes into the
// channel table through SetChannelField, whose redraw request (reShowGrid) shows what was stored.
// Grid row r is position r; the grid's own row index is r - 1.
class frmCommChInfo : public QWidget {
    Q_OBJECT
    // True while the main window runs a channel command: the grid's scrolling is then not the user's.
    Q_PROPERTY(bool CodeMoveTopRow MEMBER CodeMoveTopRow)
public:
    frmCommChInfo(AppState& state, ChannelListHost& host, QWidget* parent = nullptr);
    ~frmCommChInfo() override;

    // The controls are made one after the other, and the event filter may see events of the first ones
    // before the later ones exist.
    QTableWidget* MSFlexGrid1 = nullptr;
    // The in-place editors: the frequency text box of columns 1 and 2 and the lists of columns 4 to 9
    // (Combo1[column]; the other slots stay empty).
    QLineEdit* Text1 = nullptr;
    std::array<QComboBox*, kGridColumnCount> Combo1{};
    QComboBox* ComboGroup = nullptr;
    QLabel* LabelGroup = nullptr;
    QPushButton* CommandCHInfoEdit = nullptr;
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;
    // Keeps a click from acting just after a double click; debounces the user's scrolling.
    QTimer TimerCHEdit;
    QTimer ScrollTimer;
    bool CodeMoveTopRow = false;

public slots:
    void reShowGrid(int rRow);
    void reShowAllGrid();
    void ReShowAllTxFre(bool rOffSet);
    void ChangeGroup();
    // Undo or redo put other data in place: the group is shown again, the open in-place editor
    // included.
    void ShowRestoredData();
    void SetEditDisable();
    void ReShowChInfoByLanguage();
    bool FlexConcludeRx();
    void EnterGridEdit();
    void GridNextLine();
    void GridNextCol();
    // Stores a pending text edit as losing the focus does (before a read, a write or a channel
    // command, and when the window closes).
    void CommitEdit();
    // The grid's current row (position 1..16), which the channel commands act on, and making another
    // row current in the same column, as a move does.
    int GridRow() const;
    void SetGridRow(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    QSize sizeHint() const override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Opening and texts.
    void Form_Load();
    void BuildGrid();
    void BuildEditors();
    void ChangShowByLanguage();
    void ShowCaption();
    void OnActivation(bool active);

    // Showing channels.
    void InitShowGrid();
    void ReloadOpenEditor();
    void SetGridData(int row);
    void ClearGridRow(int row);
    void SetCellText(int row, int column, const std::string& text);
    QString CellText(int row, int column) const;

    // Cell entry, editing and moving on.
    void OnCurrentCellChanged(int row, int column);
    void SetShowEditData();
    void SelectCell(int row, int column);
    void PlaceEditor(QWidget* editor, int row, int column, bool cellHeight);
    QComboBox* OpenList() const;
    void CommitCellEdit();
    void StoreCell(int column, const std::string& value);
    void MoveOnAfterEnter();
    void OpenChannelEditor();
    void UpdateCommandEnabling();
    int Row() const;
    int Column() const;
    int TopRow() const;

    // Keys and mouse.
    bool TextBoxEvent(QEvent* event);
    bool GridKey(QKeyEvent* key);
    bool GridMouseEvent(QEvent* event);
    void ShowChannelEditMenu(int row, int column, const QPoint& at);
    void OnScrolled();

    // Runs a routine; a failure shows the window's and the routine's name, and the routine ends with
    // the channel list as it was at that moment.
    bool Guarded(const char* routine, const std::function<void()>& work);

    AppState& m_state;
    ChannelListHost& m_host;
    GridLists m_lists;
    QValidator* m_frequencyCharacters = nullptr;
    QValidator* m_shiftCharacters = nullptr;
    int m_currentRow = 1;  // the row of the last cell entry, shown in the caption
    bool m_settingTexts = false;
    bool m_redirectPending = false;
    bool m_skipNextEntry = false;
    bool m_followsActivation = false;
    bool m_activatedOnce = false;
    int m_entryRow = 0;
    int m_entryColumn = 0;
    int m_previousEntryRow = 0;
    int m_previousEntryColumn = 0;
    int m_topRowAtEdit = 1;
};

}  // namespace mox
