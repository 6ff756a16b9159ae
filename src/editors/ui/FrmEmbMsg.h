#pragma once

#include <QWidget>
#include <array>

#include "editors/MessageLines.h"
#include "services/Messages.h"

class QLineEdit;
class QPushButton;

namespace mox {

// Edits the four lines of the message the radio shows. Every change is stored at once.
class FrmEmbMsg : public QWidget {
    Q_OBJECT
public:
    FrmEmbMsg(const Messages& messages, EmbeddedMessage& message, QWidget* parent = nullptr);

    std::array<QLineEdit*, kMessageLineCount> Text1{};
    QPushButton* CommandClose;

private:
    void LineChanged(int line, const QString& text);

    EmbeddedMessage& m_message;
};

}  // namespace mox
