#include "widgets/TextBoxUndoKeys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace mox {

bool TextBoxUndoKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr || box->isReadOnly())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    const bool redo = key->matches(QKeySequence::Redo);
    if (!undo && !redo)
        return false;
    // Accepted, the key goes to the box, which undoes its typing; left unaccepted, it runs the
    // shortcut.
    if (undo ? box->isUndoAvailable() : box->isRedoAvailable())
        event->accept();
    else
        event->ignore();
    return true;
}

}  // namespace mox
