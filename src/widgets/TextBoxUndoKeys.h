#pragma once

#include <QObject>

namespace mox {

// Ctrl+Z (and the redo keys) in a text box undo the typing in that box, as everywhere. Once the box has
// nothing of its own left to undo (it was just opened, or all its typing is undone), the keys go on to
// the program's own Undo and Redo, so they still take back the last edit of the data while the
// channel list keeps its frequency box open. Installed once on the application.
class TextBoxUndoKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace mox
