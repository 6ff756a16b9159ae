// The channel list's grid: its geometry and colours, and the rows that show the channels.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>

#include "channels/ui/frmCommChInfo.h"
#include "image/ChannelTable.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

// Sizes in twips. The name column (3) is hidden.
constexpr int kGridWidth = 11358;
constexpr int kHeaderHeight = 500;
constexpr int kRowHeight = 300;
constexpr std::array<int, kGridColumnCount> kColumnWidths = {740,  1300, 1300, 0,    1200, 1200,
                                                             1000, 1000, 1000, 1100, 1400};

const QColor kPositionColour(0, 0, 255);
const QColor kTitleColour(0, 0, 155);
const QColor kDetailsColour(255, 0, 0);
const QColor kDetailsBackground(220, 220, 220);

QTableWidgetItem* CentredItem(const QString& text = {}) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

}  // namespace

void frmCommChInfo::BuildGrid() {
    MSFlexGrid1 = new QTableWidget(kGridRowCount, kGridColumnCount, this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid1->setContextMenuPolicy(Qt::PreventContextMenu);
    MSFlexGrid1->setWordWrap(false);
    MSFlexGrid1->verticalHeader()->hide();
    QHeaderView* header = MSFlexGrid1->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setFixedHeight(TwipsToPixels(kHeaderHeight));
    MSFlexGrid1->verticalHeader()->setMinimumSectionSize(1);
    MSFlexGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(TwipsToPixels(kRowHeight));
    for (int column = 0; column < kGridColumnCount; ++column) {
        QTableWidgetItem* title = CentredItem();
        title->setForeground(kTitleColour);
        MSFlexGrid1->setHorizontalHeaderItem(column, title);
        MSFlexGrid1->setColumnWidth(column, TwipsToPixels(kColumnWidths[column]));
    }
    MSFlexGrid1->setColumnHidden(GridColumn::Name, true);
    for (int row = 0; row < kGridRowCount; ++row) {
        // The position column is a heading: it is never entered.
        QTableWidgetItem* position = CentredItem(QString::number(row + 1));
        position->setFlags(Qt::NoItemFlags);
        position->setForeground(kPositionColour);
        position->setBackground(MSFlexGrid1->palette().button());
        MSFlexGrid1->setItem(row, GridColumn::Position, position);
        for (int column = GridColumn::Rx; column < GridColumn::Details; ++column)
            MSFlexGrid1->setItem(row, column, CentredItem());
        QTableWidgetItem* details = CentredItem(">>");
        details->setForeground(kDetailsColour);
        details->setBackground(kDetailsBackground);
        MSFlexGrid1->setItem(row, GridColumn::Details, details);
    }
    const int frame = 2 * MSFlexGrid1->frameWidth();
    MSFlexGrid1->setFixedWidth(TwipsToPixels(kGridWidth));
    MSFlexGrid1->setMinimumHeight(header->height() + TwipsToPixels(kRowHeight) + frame);
    MSFlexGrid1->setMaximumHeight(header->height() + kGridRowCount * TwipsToPixels(kRowHeight) + frame);
    MSFlexGrid1->viewport()->installEventFilter(this);
    MSFlexGrid1->installEventFilter(this);
    connect(MSFlexGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { OnCurrentCellChanged(row, column); });
    connect(MSFlexGrid1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { OnScrolled(); });
}

void frmCommChInfo::SetCellText(int row, int column, const std::string& text) {
    MSFlexGrid1->item(row - 1, column)->setText(QString::fromStdString(text));
}

QString frmCommChInfo::CellText(int row, int column) const {
    return MSFlexGrid1->item(row - 1, column)->text();
}

void frmCommChInfo::ClearGridRow(int row) {
    for (int column = GridColumn::Rx; column < GridColumn::Details; ++column)
        MSFlexGrid1->item(row - 1, column)->setText({});
}

// Fills a row from its channel's record, or clears it when the position has no channel.
void frmCommChInfo::SetGridData(int row) {
    Guarded("SetGridData", [this, row] {
        const int number = GridChannelNumber(m_state.ChannelEdit.CurrentGroup, row);
        const GridRowTexts texts =
            ChannelRowTexts(m_state.Model, m_state, FindChannel(m_state.Data.Channels, number), m_lists,
                            m_state.Habit.ShowTxAsShift);
        for (int column = GridColumn::Rx; column < GridColumn::Details; ++column)
            SetCellText(row, column, texts[column]);
    });
}

void frmCommChInfo::reShowGrid(int rRow) {
    Guarded("reShowGrid", [this, rRow] {
        const int row = rRow - GridChannelNumber(m_state.ChannelEdit.CurrentGroup, 0);
        if (row < 1 || row > kGridRowCount)
            return;
        SetGridData(row);
        if (ChannelRecord* record = FindChannel(m_state.Data.Channels, rRow))
            SettleBusyLock(*record);
        if (row == m_currentRow)
            UpdateCommandEnabling();
    });
}

void frmCommChInfo::reShowAllGrid() {
    Guarded("reShowAllGrid", [this] {
        for (int row = 1; row <= kGridRowCount; ++row) {
            const int number = GridChannelNumber(m_state.ChannelEdit.CurrentGroup, row);
            if (FindChannelIndex(m_state.Data.Channels, number) >= 0)
                SetGridData(row);
            else if (!CellText(row, GridColumn::Rx).isEmpty())
                ClearGridRow(row);
        }
    });
}

void frmCommChInfo::ReShowAllTxFre(bool rOffSet) {
    Guarded("ReShowAllTxFre", [this, rOffSet] {
        MSFlexGrid1->horizontalHeaderItem(GridColumn::Tx)
            ->setText(UiText(m_state, GridColumnTitle(GridColumn::Tx, rOffSet)));
        for (int row = 1; row <= kGridRowCount; ++row) {
            const int number = GridChannelNumber(m_state.ChannelEdit.CurrentGroup, row);
            if (const ChannelRecord* record = FindChannel(m_state.Data.Channels, number))
                SetCellText(
                    row, GridColumn::Tx,
                    ChannelRowTexts(m_state.Model, m_state, record, m_lists, rOffSet)[GridColumn::Tx]);
        }
    });
}

// A group chosen in the group chooser, by the user or by ChangeGroup: the grid shows its channels and
// an open channel editor follows.
void frmCommChInfo::InitShowGrid() {
    Guarded("InitShowGridError", [this] {
        ChannelEditState& edit = m_state.ChannelEdit;
        edit.CurrentGroup = std::clamp(ComboGroup->currentIndex(), 0, kGroupCount - 1);
        edit.EditGroup = edit.CurrentGroup;
        ShowCaption();
        for (int row = 1; row <= kGridRowCount; ++row)
            ClearGridRow(row);
        const ChannelTable& table = m_state.Data.Channels;
        const int first = GridChannelNumber(edit.CurrentGroup, 1);
        for (int i = 0; i < UsedChannelCount(table); ++i) {
            const int row = table.Records[i].Number - first + 1;
            if (row >= 1 && row <= kGridRowCount)
                SetGridData(row);
        }
        ReloadOpenEditor();
    });
}

// The open in-place editor shows its cell again, and the channel editor and the channel commands follow.
void frmCommChInfo::ReloadOpenEditor() {
    const ChannelEditState& edit = m_state.ChannelEdit;
    if (Text1->isVisible()) {
        Text1->setText(CellText(edit.EditRow, edit.EditField));
        Text1->setModified(false);
    } else if (QComboBox* list = OpenList()) {
        list->setCurrentText(CellText(edit.EditRow, edit.EditField));
    }
    m_state.Redraw->EditPositionChanged();
    UpdateCommandEnabling();
}

void frmCommChInfo::ShowRestoredData() {
    reShowAllGrid();
    ReloadOpenEditor();
}

void frmCommChInfo::ChangeGroup() {
    const int group = m_state.ChannelEdit.EditGroup;
    if (group >= 0 && group < kGroupCount)
        ComboGroup->setCurrentIndex(group);
}

}  // namespace mox
