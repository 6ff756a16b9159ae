#include "image/ui/FrmModelInfo.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "image/ModelChoice.h"
#include "image/Models.h"
#include "widgets/ButtonRow.h"
#include "widgets/EnterAsTab.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

FrmModelInfo::FrmModelInfo(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    const auto Tr = [&state](int number) { return UiText(state, number); };
    setObjectName("FrmModelInfo");
    setWindowTitle(Tr(13000));
    Label1 = new QLabel(Tr(13001), this);
    Label1->setObjectName("Label1");
    Label2 = new QLabel(Tr(13002), this);
    Label2->setObjectName("Label2");
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    for (const std::string& name : ModelChoiceNames(state.Model))
        Combo1->addItem(QString::fromStdString(name));
    Combo1->setCurrentText(QString::fromStdString(ModelDisplayName(state.Model.ModelCode)));
    Combo2 = new QComboBox(this);
    Combo2->setObjectName("Combo2");
    FillBands(QString::fromStdString(state.Model.BandName));
    connect(Combo1, &QComboBox::currentTextChanged, this, [this] { FillBands(Combo2->currentText()); });
    EnterAsTab::Install(Combo1);
    EnterAsTab::Install(Combo2);

    CommandOK = new QPushButton(Tr(9017), this);
    CommandOK->setObjectName("CommandOK");
    CommandCancel = new QPushButton(Tr(9018), this);
    CommandCancel->setObjectName("CommandCancel");
    connect(CommandOK, &QPushButton::clicked, this, &FrmModelInfo::OnOK);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(Label1, Combo1);
    form->addRow(Label2, Combo2);
    auto* buttons = ButtonRow({CommandOK, CommandCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(TwipsToPixels(4500));
}

// The bands of the model chosen in Combo1, showing `band` when the list has it.
void FrmModelInfo::FillBands(const QString& band) {
    Combo2->clear();
    for (const std::string& name : BandChoiceNames(m_state.Model, Combo1->currentText().toStdString()))
        Combo2->addItem(QString::fromStdString(name));
    Combo2->setCurrentText(band);
}

void FrmModelInfo::OnOK() {
    m_changed = ApplyModelChoice(m_state, m_state, Combo1->currentText().toStdString(),
                                 Combo2->currentText().toStdString());
    accept();
}

}  // namespace mox
