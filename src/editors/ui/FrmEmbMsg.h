#pragma once

#include <QWidget>
#include <array>

#include "app/EditSteps.h"
#include "editors/MessageLines.h"
#include "services/Messages.h"

class QLineEdit;
class QPushButton;

namespace mox {

// Edits the four lines of the message the radio shows. Every change is stored at once.
class FrmEmbMsg : public QWidget {
    Q_OBJECT
public:
    FrmEmbMsg(const Messages& messages, EmbeddedMessage& message, EditorSteps steps = {},
              QWidget* parent = nullptr);

    std::array<QLineEdit*, kMessageLineCount> Text1{};
    QPushButton* CommandClose;

public slots:
    // Undo or redo put other data in place: the controls show them.
    void ShowRestoredData();

private:
    void LineChanged(int line, const QString& text);

    EmbeddedMessage& m_message;
    EditorSteps m_steps;
};

}  // namespace mox
