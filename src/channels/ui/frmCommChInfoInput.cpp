// The channel list's keys and mouse: Enter everywhere, the text box's key filter, clicks, double
// clicks, the pop-up menu and the user's scrolling.
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTableWidget>

#include "channels/ui/frmCommChInfo.h"
#include "codecs/TypedFrequency.h"

namespace mox {

namespace {

// One click acts no sooner than this after a double click, which may have just opened the channel
// editor.
constexpr int kDoubleClickGuardMs = 1000;
// The user's scrolling moves the selection at most this often.
constexpr int kScrollDebounceMs = 500;

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Copy, paste and cut belong to the channel commands while the text box has the focus, as they do
// everywhere in the channel list.
bool IsChannelCommandKey(const QKeyEvent* key) {
    return (key->modifiers() & Qt::ControlModifier) &&
           (key->key() == Qt::Key_C || key->key() == Qt::Key_V || key->key() == Qt::Key_X);
}

}  // namespace

bool frmCommChInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1)
        return TextBoxEvent(event);
    if (watched == MSFlexGrid1->viewport())
        return GridMouseEvent(event);
    if (watched == MSFlexGrid1)
        return event->type() == QEvent::KeyPress && GridKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
        MoveOnAfterEnter();  // a list of columns 4 to 9
        return true;
    }
    return false;
}

bool frmCommChInfo::TextBoxEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (!IsChannelCommandKey(key))
                return false;
            event->ignore();
            return true;
        }
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (IsEnter(key)) {
                CommitCellEdit();
                MoveOnAfterEnter();
                return true;
            }
            const QString text = key->text();
            const bool signs = m_state.ChannelEdit.EditField == GridColumn::Tx && m_state.Habit.ShowTxAsShift;
            return !text.isEmpty() && !KeepsTypedCharacter(text.at(0).unicode(), signs);
        }
        case QEvent::FocusOut: {
            // Leaving for a pop-up menu or another program is no end of the edit.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                CommitEdit();
            return false;
        }
        default:
            return false;
    }
}

bool frmCommChInfo::GridKey(QKeyEvent* key) {
    if (!IsEnter(key))
        return false;
    if (Column() == GridColumn::Details)
        OpenChannelEditor();
    else
        EnterGridEdit();
    return true;
}

// The grid's own mouse handling is replaced: a press selects the cell (which enters it), a press on
// the current cell enters it again, a double click guards the next clicks, and the right button shows
// the channel edit menu.
bool frmCommChInfo::GridMouseEvent(QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QTableWidgetItem* item = MSFlexGrid1->itemAt(mouse->position().toPoint());
    if (item == nullptr || !(item->flags() & Qt::ItemIsEnabled))
        return true;
    const int row = item->row() + 1;
    const int column = item->column();
    if (mouse->button() == Qt::RightButton) {
        if (type == QEvent::MouseButtonPress)
            ShowChannelEditMenu(row, column, mouse->globalPosition().toPoint());
        return true;
    }
    if (mouse->button() != Qt::LeftButton)
        return true;
    if (type == QEvent::MouseButtonDblClick) {
        TimerCHEdit.start(kDoubleClickGuardMs);
        if (column == GridColumn::Details)
            OpenChannelEditor();
    } else if (row != Row() || column != Column()) {
        SelectCell(row, column);
    } else if (!TimerCHEdit.isActive()) {
        SetShowEditData();
    }
    return true;
}

void frmCommChInfo::ShowChannelEditMenu(int row, int column, const QPoint& at) {
    SelectCell(row, column);
    if (QMenu* menu = m_host.ChannelEditMenu())
        menu->popup(at);
}

// Scrolling keeps the selection on its line of the screen.
void frmCommChInfo::OnScrolled() {
    if (CodeMoveTopRow || ScrollTimer.isActive())
        return;
    ScrollTimer.start(kScrollDebounceMs);
    const int row = Row() - m_topRowAtEdit + TopRow();
    if (row >= 1 && row <= kGridRowCount && row != m_state.ChannelEdit.EditRow)
        SelectCell(row, Column());
}

}  // namespace mox
