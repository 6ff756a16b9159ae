// The main window's Undo and Redo: the Edit menu's entries, their tool bar buttons, and the windows
// that show the data a step gives back.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolBar>

#include "app/EditSteps.h"
#include "app/ui/frmMain.h"
#include "files/DocumentEdits.h"
#include "widgets/TextBoxUndoKeys.h"

namespace mox {

void frmMain::ConnectUndoCommands() {
    m_handlers.insert("mnuEditUndo", [this] { UndoLastEdit(); });
    m_handlers.insert("mnuEditRedo", [this] { RedoLastEdit(); });
    // Both usual keys redo. The shortcuts act in the main window and its child windows; a text box
    // with the focus takes them first for its own typing (TextBoxUndoKeys).
    Entry("mnuEditRedo")->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    qApp->installEventFilter(new TextBoxUndoKeys(this));
    // A transfer locks the data; the menu tells so whenever it opens.
    connect(Menu("mnuEdit"), &QMenu::aboutToShow, this, &frmMain::UpdateUndoCommands);
}

void frmMain::HistoryChanged() {
    UpdateUndoCommands();
}

// One place decides whether undo and redo are offered: the history and whether the document is locked.
void frmMain::UpdateUndoCommands() {
    QAction* undo = Entry("mnuEditUndo");
    QAction* redo = Entry("mnuEditRedo");
    if (undo == nullptr || redo == nullptr)
        return;
    const UndoCommandState commands = UndoCommandsOf(m_state, DocumentLocked(m_state));
    undo->setText(QString::fromStdString(commands.UndoCaption));
    undo->setEnabled(commands.UndoEnabled);
    redo->setText(QString::fromStdString(commands.RedoCaption));
    redo->setEnabled(commands.RedoEnabled);
    if (QAction* button = ToolButton("EditUndo")) {
        button->setEnabled(commands.UndoEnabled);
        button->setToolTip(QString::fromStdString(commands.UndoToolTip));
    }
    if (QAction* button = ToolButton("EditRedo")) {
        button->setEnabled(commands.RedoEnabled);
        button->setToolTip(QString::fromStdString(commands.RedoToolTip));
    }
}

void frmMain::UndoLastEdit() {
    if (!DocumentLocked(m_state) && UndoEdit(m_state))
        ShowRestoredData();
}

void frmMain::RedoLastEdit() {
    if (!DocumentLocked(m_state) && RedoEdit(m_state))
        ShowRestoredData();
}

// Every open window shows the data now in place; what a window writes back of them while showing them
// joins those data without a step, as when it opens.
void frmMain::ShowRestoredData() {
    for (QWidget* window : ChildWindows()) {
        if (HasMethod(window, "ShowRestoredData()"))
            QMetaObject::invokeMethod(window, "ShowRestoredData");
    }
    AbsorbEdits(m_state);
    UpdateUndoCommands();
}

}  // namespace mox
