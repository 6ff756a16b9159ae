// The main window's channel commands: cut, copy, paste, insert, delete, move up and move down of the
// channel at the channel list's current position, and the habits dialog. A menu entry, its tool bar
// button or the channel list's pop-up only leaves the command's code; the command runs 20 ms later,
// once the menu has closed.
#include <QMetaObject>
#include <QPointer>
#include <utility>

#include "app/ui/frmMain.h"
#include "channels/ChannelGrid.h"
#include "channels/ui/FrmHabits.h"
#include "channels/ui/FrmMsgConfirm.h"

namespace mox {

namespace {

constexpr int kCommandDelayMs = 20;

struct CommandEntry {
    const char* Entry;
    ChannelCommandCode Code;
};

constexpr CommandEntry kCommandEntries[] = {
    {"MnuCHCut", ChannelCommandCode::Cut},           {"MnuCHCopy", ChannelCommandCode::Copy},
    {"MnuCHPaste", ChannelCommandCode::Paste},       {"MnuCHInsert", ChannelCommandCode::Insert},
    {"MnuCHDelete", ChannelCommandCode::Delete},     {"MnuCHMoveUp", ChannelCommandCode::MoveUp},
    {"MnuCHMoveDown", ChannelCommandCode::MoveDown}, {"MnuCHHabits", ChannelCommandCode::Habits},
};

}  // namespace

void frmMain::ConnectChannelCommands() {
    TimerCHEdit.setSingleShot(true);
    connect(&TimerCHEdit, &QTimer::timeout, this, &frmMain::OnTimerCHEdit);
    for (const CommandEntry& command : kCommandEntries)
        m_handlers.insert(command.Entry, [this, code = command.Code] { QueueChannelCommand(code); });
}

void frmMain::SetSaveEditData() {
    QWidget* list = FindWindow("frmCommChInfo");
    if (!HasMethod(list, "SetEditDisable()"))
        return;
    QMetaObject::invokeMethod(list, "CommitEdit");
    QMetaObject::invokeMethod(list, "SetEditDisable");
}

void frmMain::QueueChannelCommand(ChannelCommandCode code) {
    SetSaveEditData();
    ChannelCommand = code;
    TimerCHEdit.start(kCommandDelayMs);
}

void frmMain::OnTimerCHEdit() {
    TimerCHEdit.stop();
    const ChannelCommandCode code = std::exchange(ChannelCommand, ChannelCommandCode::None);
    if (code == ChannelCommandCode::Habits) {
        RunHabitsDialog();
        return;
    }
    // The question of a paste or a delete runs an event loop of its own, in which the list may go.
    const QPointer<QWidget> list = FindWindow("frmCommChInfo");
    if (!HasMethod(list, "GridRow()"))
        return;
    list->setProperty("CodeMoveTopRow", true);
    int row = 1;
    QMetaObject::invokeMethod(list, "GridRow", Q_RETURN_ARG(int, row));
    const int group = m_state.ChannelEdit.CurrentGroup;
    RunChannelCommand(m_state, code, group, row, *this);
    if (list.isNull())
        return;
    // Copy changes no row, and paste is offered from the first copy on.
    QMetaObject::invokeMethod(list, "GridRow", Q_RETURN_ARG(int, row));
    UpdateChannelCommandEnabling(GridChannelNumber(group, row));
    list->setProperty("CodeMoveTopRow", false);
}

// The transmit column and field are titled and shown anew when the shift habit changed.
void frmMain::RunHabitsDialog() {
    const bool showTxAsShift = m_state.Habit.ShowTxAsShift;
    FrmHabits dialog(m_state, this);
    dialog.exec();
    const bool now = m_state.Habit.ShowTxAsShift;
    if (now == showTxAsShift)
        return;
    if (QWidget* list = FindWindow("frmCommChInfo"); HasMethod(list, "ReShowAllTxFre(bool)"))
        QMetaObject::invokeMethod(list, "ReShowAllTxFre", Q_ARG(bool, now));
    if (QWidget* editor = FindWindow("FrmCHInfoEdit"); HasMethod(editor, "ReShowEditTxFre(bool)"))
        QMetaObject::invokeMethod(editor, "ReShowEditTxFre", Q_ARG(bool, now));
}

std::optional<ConfirmAnswer> frmMain::Confirm(ConfirmKind kind) {
    return FrmMsgConfirm::Ask(m_state, kind, this);
}

void frmMain::RefreshPosition(int group, int position) {
    const int number = GridChannelNumber(group, position);
    if (QWidget* list = FindWindow("frmCommChInfo"); HasMethod(list, "reShowGrid(int)"))
        QMetaObject::invokeMethod(list, "reShowGrid", Q_ARG(int, number));
    QWidget* editor = FindWindow("FrmCHInfoEdit");
    if (!HasMethod(editor, "ShownNumber()"))
        return;
    int shown = 0;
    QMetaObject::invokeMethod(editor, "ShownNumber", Q_RETURN_ARG(int, shown));
    if (shown == number)
        QMetaObject::invokeMethod(editor, "SetGridEditData", Q_ARG(bool, false));
}

void frmMain::RefreshAll() {
    if (QWidget* list = FindWindow("frmCommChInfo"); HasMethod(list, "reShowAllGrid()"))
        QMetaObject::invokeMethod(list, "reShowAllGrid");
    EditPositionChanged();
}

void frmMain::MakeCurrentRow(int position) {
    if (QWidget* list = FindWindow("frmCommChInfo"); HasMethod(list, "SetGridRow(int)"))
        QMetaObject::invokeMethod(list, "SetGridRow", Q_ARG(int, position));
}

}  // namespace mox
