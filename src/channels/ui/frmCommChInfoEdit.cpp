// The channel list's in-place editing: cell entry, the editors placed over the cell, committing and
// moving on.
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableWidget>

#include "app/ChannelFieldCommand.h"
#include "channels/GridCommit.h"
#include "channels/ui/frmCommChInfo.h"

namespace mox {

int frmCommChInfo::Row() const {
    return MSFlexGrid1->currentRow() + 1;
}

int frmCommChInfo::GridRow() const {
    return Row();
}

void frmCommChInfo::SetGridRow(int row) {
    if (row >= 1 && row <= kGridRowCount)
        SelectCell(row, std::max(Column(), static_cast<int>(GridColumn::Rx)));
}

int frmCommChInfo::Column() const {
    return MSFlexGrid1->currentColumn();
}

int frmCommChInfo::TopRow() const {
    return std::max(MSFlexGrid1->rowAt(0), 0) + 1;
}

void frmCommChInfo::SelectCell(int row, int column) {
    MSFlexGrid1->setCurrentCell(row - 1, column);
}

QComboBox* frmCommChInfo::OpenList() const {
    const int field = m_state.ChannelEdit.EditField;
    if (field < GridColumn::RxTone || field > GridColumn::Spacing || !Combo1[field]->isVisible())
        return nullptr;
    return Combo1[field];
}

bool frmCommChInfo::FlexConcludeRx() {
    return !CellText(Row(), GridColumn::Rx).isEmpty();
}

void frmCommChInfo::OnCurrentCellChanged(int row, int column) {
    if (m_settingTexts || row < 0 || column < 0)
        return;
    UpdateCommandEnabling();
    SetShowEditData();
}

// The cell entry. A channel gets its receive frequency before anything else, and its transmit
// frequency before its transmit tone: entering a later column of a row without them enters their
// column instead.
void frmCommChInfo::SetShowEditData() {
    if (m_skipNextEntry) {
        m_skipNextEntry = false;
        return;
    }
    Guarded("SetShowEditData", [this] {
        ChannelEditState& edit = m_state.ChannelEdit;
        const int row = Row();
        const int column = Column();
        m_currentRow = row;
        ShowCaption();
        MSFlexGrid1->setFocus();
        m_previousEntryRow = m_entryRow;
        m_previousEntryColumn = m_entryColumn;
        m_entryRow = row;
        m_entryColumn = column;
        if (m_redirectPending) {
            m_redirectPending = false;
        } else if (column >= GridColumn::Tx && column <= GridColumn::Spacing && !FlexConcludeRx()) {
            edit.EditField = GridColumn::Rx;
            edit.EditRow = row;
            m_redirectPending = true;
            SelectCell(row, GridColumn::Rx);
            return;
        } else if (column == GridColumn::TxTone && CellText(row, GridColumn::Tx).isEmpty()) {
            edit.EditField = GridColumn::Tx;
            edit.EditRow = row;
            m_redirectPending = true;
            SelectCell(row, GridColumn::Tx);
            return;
        }
        SetEditDisable();
        EnterGridEdit();
    });
}

// The grid takes the focus first: a focused editor that is hidden hands the focus on, and the grid
// would take it as a step to the next cell, which opens an editor there.
void frmCommChInfo::SetEditDisable() {
    if (Text1->hasFocus() || (OpenList() != nullptr && OpenList()->hasFocus()))
        MSFlexGrid1->setFocus();
    Text1->hide();
    for (QComboBox* list : Combo1) {
        if (list != nullptr)
            list->hide();
    }
}

void frmCommChInfo::PlaceEditor(QWidget* editor, int row, int column, bool cellHeight) {
    const QRect cell = MSFlexGrid1->visualItemRect(MSFlexGrid1->item(row - 1, column));
    editor->setGeometry(cell.x(), cell.y(), cell.width(),
                        cellHeight ? cell.height() : editor->sizeHint().height());
}

void frmCommChInfo::EnterGridEdit() {
    Guarded("EnterGridEdit", [this] {
        ChannelEditState& edit = m_state.ChannelEdit;
        const int row = Row();
        const int column = Column();
        edit.EditField = column;
        edit.EditRow = row;
        m_topRowAtEdit = TopRow();
        m_state.Redraw->EditPositionChanged();
        if (column == GridColumn::Rx || column == GridColumn::Tx) {
            // A new channel starts simplex: its TX is its RX until changed.
            if (column == GridColumn::Tx && CellText(row, column).isEmpty() &&
                m_previousEntryColumn == GridColumn::Rx && m_previousEntryRow == row)
                SetCellText(row, column, CellText(row, GridColumn::Rx).toStdString());
            const bool signs = column == GridColumn::Tx && m_state.Habit.ShowTxAsShift;
            Text1->setValidator(signs ? m_shiftCharacters : m_frequencyCharacters);
            PlaceEditor(Text1, row, column, true);
            Text1->setText(CellText(row, column));
            Text1->setModified(false);
            Text1->show();
            Text1->setFocus();
            Text1->selectAll();
        } else if (column >= GridColumn::RxTone && column <= GridColumn::Spacing) {
            QComboBox* list = Combo1[column];
            PlaceEditor(list, row, column, false);
            list->show();
            list->setCurrentText(CellText(row, column));
            list->setFocus();
        }
    });
}

void frmCommChInfo::StoreCell(int column, const std::string& value) {
    const ChannelEditState& edit = m_state.ChannelEdit;
    SetChannelField(m_state, GridChannelNumber(edit.EditGroup, edit.EditRow), column, value);
}

// Enter in the text box, a pick in a list, the channel editor button: the cell shows the value at
// once and the store's redraw then shows what was stored.
void frmCommChInfo::CommitCellEdit() {
    Guarded("CommitCellEdit", [this] {
        const ChannelEditState& edit = m_state.ChannelEdit;
        CellCommit commit;
        if (Text1->isVisible() && Text1->isModified()) {
            Text1->setModified(false);
            commit = FrequencyCommit(edit.EditField, Text1->text().toStdString());
        } else if (QComboBox* list = OpenList(); list != nullptr && list->currentIndex() >= 0) {
            commit = ListCommit(m_lists[edit.EditField], list->currentIndex());
        }
        if (!commit.Stored)
            return;
        SetCellText(edit.EditRow, edit.EditField, commit.Cell);
        StoreCell(edit.EditField, *commit.Stored);
    });
}

// The text as typed goes to the store when the text box loses the focus.
void frmCommChInfo::CommitEdit() {
    Guarded("CommitEdit", [this] {
        const int field = m_state.ChannelEdit.EditField;
        if (!Text1->isModified() || (field != GridColumn::Rx && field != GridColumn::Tx))
            return;
        Text1->setModified(false);
        StoreCell(field, Text1->text().toStdString());
    });
}

void frmCommChInfo::GridNextCol() {
    Guarded("GridNextCol", [this] {
        int column = Column() + 1;
        if (column == GridColumn::Name)
            ++column;
        if (column <= GridColumn::Spacing) {
            SelectCell(Row(), column);
            return;
        }
        m_skipNextEntry = true;
        SelectCell(Row(), GridColumn::Rx);
        GridNextLine();
    });
}

// The group never changes by keyboard: row 16 is followed by row 1 of the same group.
void frmCommChInfo::GridNextLine() {
    Guarded("GridNextLine", [this] { SelectCell(Row() % kGridRowCount + 1, Column()); });
}

// Enter in an in-place editor: an emptied receive frequency moves to the next row, everything else to
// the next column.
void frmCommChInfo::MoveOnAfterEnter() {
    const int field = m_state.ChannelEdit.EditField;
    if (field == GridColumn::Rx && Text1->text().isEmpty())
        GridNextLine();
    else if (field <= GridColumn::Spacing)
        GridNextCol();
    else
        OpenChannelEditor();
}

void frmCommChInfo::OpenChannelEditor() {
    m_host.ShowOrFocusWindow("FrmCHInfoEdit");
}

void frmCommChInfo::UpdateCommandEnabling() {
    m_host.UpdateChannelCommandEnabling(GridChannelNumber(m_state.ChannelEdit.CurrentGroup, Row()));
}

void frmCommChInfo::BuildEditors() {
    QWidget* cells = MSFlexGrid1->viewport();
    Text1 = new QLineEdit(cells);
    Text1->setObjectName("Text1");
    Text1->setFrame(false);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Text1->installEventFilter(this);
    Text1->hide();
    // The keys are filtered as they are typed; what arrives by other ways (pasting with the mouse or
    // Shift+Insert, an input method) must keep to the same characters.
    m_frequencyCharacters = new QRegularExpressionValidator(QRegularExpression("[0-9.]*"), Text1);
    m_shiftCharacters = new QRegularExpressionValidator(QRegularExpression("[0-9.+-]*"), Text1);
    for (int column = GridColumn::RxTone; column <= GridColumn::Spacing; ++column) {
        auto* list = new QComboBox(cells);
        list->setObjectName(QString("Combo1_%1").arg(column));
        list->installEventFilter(this);
        list->hide();
        connect(list, &QComboBox::activated, this, [this] { CommitCellEdit(); });
        Combo1[column] = list;
    }
}

}  // namespace mox
