#include "exchange/ui/FrmTextReport.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "services/Texts.h"
#include "widgets/ButtonRow.h"

namespace mox {

FrmTextReport::FrmTextReport(const Messages& messages, const QString& title,
                             const std::vector<std::string>& lines, QWidget* parent)
    : QDialog(parent) {
    setObjectName("FrmTextReport");
    setWindowTitle(title);
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QStringList text;
    for (const std::string& line : lines)
        text << QString::fromStdString(line);
    Text1->setPlainText(text.join('\n'));
    CommandClose = new QPushButton(QString::fromStdString(CommandCaption(messages, "CommandClose")), this);
    CommandClose->setObjectName("CommandClose");
    CommandClose->setDefault(true);
    connect(CommandClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text1);
    layout->addLayout(ButtonRow({CommandClose}));
    resize(720, 400);
}

}  // namespace mox
