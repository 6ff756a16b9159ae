#include "channels/ui/FrmMsgConfirm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ButtonRow.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

// The question needs room for two lines of text.
constexpr int kLeastWidth = 6000;

}  // namespace

FrmMsgConfirm::FrmMsgConfirm(const AppState& state, ConfirmKind kind, QWidget* parent) : QDialog(parent) {
    setObjectName("FrmMsgConfirm");
    setWindowTitle(UiText(state, 28000));
    Label1 = new QLabel(UiText(state, ConfirmQuestionText(kind)), this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Check1 = new QCheckBox(UiText(state, 28003), this);
    Check1->setObjectName("Check1");
    CommandOK = new QPushButton(UiText(state, 28004), this);
    CommandOK->setObjectName("CommandOK");
    CommandCancel = new QPushButton(UiText(state, 28005), this);
    CommandCancel->setObjectName("CommandCancel");
    CommandOK->setDefault(true);
    connect(CommandOK, &QPushButton::clicked, this, [this] { done(AnsweredYes); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { done(AnsweredNo); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Check1);
    layout->addLayout(ButtonRow({CommandOK, CommandCancel}));
    setMinimumWidth(TwipsToPixels(kLeastWidth));
}

std::optional<ConfirmAnswer> FrmMsgConfirm::Ask(const AppState& state, ConfirmKind kind, QWidget* parent) {
    FrmMsgConfirm dialog(state, kind, parent);
    const int result = dialog.exec();
    if (result == Unanswered)
        return std::nullopt;
    return ConfirmAnswer{result == AnsweredYes, dialog.Check1->isChecked()};
}

}  // namespace mox
