#include "editors/ui/FrmEmbMsg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/TextKeys.h"
#include "editors/ui/TextBoxKeys.h"
#include "widgets/ButtonRow.h"
#include "widgets/EnterAsTab.h"
#include "widgets/TitleBarWidth.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

FrmEmbMsg::FrmEmbMsg(const Messages& messages, EmbeddedMessage& message, EditorSteps steps, QWidget* parent)
    : QWidget(parent), m_message(message), m_steps(steps) {
    setObjectName("FrmEmbMsg");
    setWindowTitle(UiText(messages, 20000));
    auto* layout = new QVBoxLayout(this);
    for (int line = 0; line < kMessageLineCount; ++line) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString("Text1_%1").arg(line));
        box->setMaxLength(kMessageLineLength);
        // Room for a whole line of the widest letters.
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(kMessageLineLength, 'W')) +
                             TwipsToPixels(150));
        box->setText(QString::fromLatin1(ShownMessageLine(m_message, line)));
        TextBoxKeys::Install(box, TextKey);
        EnterAsTab::Install(box);
        connect(box, &QLineEdit::textChanged, this,
                [this, line](const QString& text) { LineChanged(line, text); });
        layout->addWidget(box);
        Text1[line] = box;
    }
    CommandClose = new QPushButton(UiText(messages, 9023), this);
    CommandClose->setObjectName("CommandClose");
    connect(CommandClose, &QPushButton::clicked, this, &QWidget::close);
    layout->addLayout(ButtonRow({CommandClose}));
    setMinimumWidth(TitleBarWidth(windowTitle()));
}

// Typed text arrives filtered; pasted text is cleaned here and the box shows what was stored.
void FrmEmbMsg::LineChanged(int line, const QString& text) {
    const QString stored =
        QString::fromLatin1(StoreMessageLine(m_message, line, text.toUtf8().toStdString()));
    if (stored != text) {
        const QSignalBlocker quiet(Text1[line]);
        Text1[line]->setText(stored);
    }
    m_steps.Typed(line);
}

void FrmEmbMsg::ShowRestoredData() {
    for (int line = 0; line < kMessageLineCount; ++line) {
        const QSignalBlocker quiet(Text1[line]);
        Text1[line]->setText(QString::fromLatin1(ShownMessageLine(m_message, line)));
    }
}

}  // namespace mox
