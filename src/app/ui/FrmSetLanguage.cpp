#include "app/ui/FrmSetLanguage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/LanguageChoice.h"
#include "widgets/ButtonRow.h"
#include "widgets/EnterAsTab.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

FrmSetLanguage::FrmSetLanguage(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    const auto Tr = [&state](int number) { return UiText(state, number); };
    setObjectName("FrmSetLanguage");
    setWindowTitle(Tr(23000));
    Label1 = new QLabel(Tr(23001), this);
    Label1->setObjectName("Label1");
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo1->addItem(Tr(23002));
    Combo1->addItem(Tr(23003));
    Combo1->setCurrentIndex(state.Language.CurrentLanguage - 1);
    Label1->setBuddy(Combo1);
    EnterAsTab::Install(Combo1);

    CommandOK = new QPushButton(Tr(9017), this);
    CommandOK->setObjectName("CommandOK");
    CommandCancel = new QPushButton(Tr(9018), this);
    CommandCancel->setObjectName("CommandCancel");
    connect(CommandOK, &QPushButton::clicked, this, [this] {
        ApplyLanguageChoice(m_state, Combo1->currentIndex());
        accept();
    });
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* field = new QHBoxLayout;
    field->addWidget(Label1);
    field->addWidget(Combo1, 1);
    auto* buttons = ButtonRow({CommandOK, CommandCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
    setMinimumWidth(TwipsToPixels(4500));
}

}  // namespace mox
