#pragma once

class QPushButton;
class QWidget;

namespace mox {

struct Messages;

// The buttons at the foot of every editor window: Close, which closes the window, and Help, which
// stays hidden because the program has no online help.
struct EditorButtons {
    QPushButton* Close;
    QPushButton* Help;
};

EditorButtons MakeEditorButtons(const Messages& messages, QWidget* window);

}  // namespace mox
