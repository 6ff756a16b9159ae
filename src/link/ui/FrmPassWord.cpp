#include "link/ui/FrmPassWord.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QVBoxLayout>

#include "link/PasswordText.h"
#include "widgets/ButtonRow.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

// The application's style with "*" as the mask of password boxes, whatever the style would draw.
class StarMaskStyle : public QProxyStyle {
public:
    StarMaskStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

FrmPassWord::FrmPassWord(const AppState& state, const std::string& password, QWidget* parent)
    : QDialog(parent) {
    setObjectName("FrmPassWord");
    setWindowTitle(UiText(state, 23100));
    Label1 = new QLabel(UiText(state, 23101), this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text1 = new QLineEdit(QString::fromLatin1(password.c_str()), this);
    Text1->setObjectName("Text1");
    Text1->setEchoMode(QLineEdit::Password);
    auto* mask = new StarMaskStyle;
    mask->setParent(Text1);
    Text1->setStyle(mask);
    Text1->setMaxLength(4);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Label1->setBuddy(Text1);

    CommandOK = new QPushButton(UiText(state, 9017), this);
    CommandOK->setObjectName("CommandOK");
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(UiText(state, 9018), this);
    CommandCancel->setObjectName("CommandCancel");
    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* field = new QHBoxLayout;
    field->setSpacing(TwipsToPixels(50));
    field->addWidget(Label1);
    field->addWidget(Text1, 1);
    auto* buttons = ButtonRow({CommandOK, CommandCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
    setMinimumWidth(TwipsToPixels(4000));
}

bool FrmPassWord::Ask(const AppState& state, std::string& password, QWidget* parent) {
    FrmPassWord dialog(state, password, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    password = PasswordFromTyped(dialog.Text1->text().toLatin1().toStdString());
    return true;
}

}  // namespace mox
