#include "app/ui/frmAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ButtonRow.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmAbout::frmAbout(const AppState& state, QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(UiText(state, 24000));
    lblTitle = MakeLabel(this, "lblTitle", UiText(state, 24001));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    lblTitle->setFont(titleFont);
    lblVersion = MakeLabel(this, "lblVersion", UiText(state, 24002));
    lblDescription = MakeLabel(this, "lblDescription", UiText(state, 24003));
    lblDisclaimer = MakeLabel(this, "lblDisclaimer", UiText(state, 24004));
    cmdOK = new QPushButton(UiText(state, 24005), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {lblTitle, lblVersion, lblDescription})
        layout->addWidget(label);
    layout->addSpacing(12);
    layout->addWidget(lblDisclaimer);
    auto* buttons = ButtonRow({cmdOK});
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

}  // namespace mox
