#include "image/ui/FrmModelInfo.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/ButtonRow.h"
#include "app/ui/EnterAsTab.h"
#include "app/ui/Twips.h"
#include "app/ui/UiText.h"
#include "image/ModelChoice.h"
#include "image/Models.h"

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
    Combo1->addItems({"MOX-5HK", "MOX-5HK_1"});
    Combo1->setCurrentText(QString::fromStdString(ModelDisplayName(state.Model.ModelCode)));
    Combo2 = new QComboBox(this);
    Combo2->setObjectName("Combo2");
    for (const std::string& band : BandNamesOfModel(state.Model.ModelCode))
        Combo2->addItem(QString::fromStdString(band));
    Combo2->setCurrentText(QString::fromStdString(state.Model.BandName));
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

void FrmModelInfo::OnOK() {
    m_changed =
        ApplyModelChoice(m_state, Combo1->currentText().toStdString(), Combo2->currentText().toStdString());
    accept();
}

}  // namespace mox
