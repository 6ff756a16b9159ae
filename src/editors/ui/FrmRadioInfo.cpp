#include "editors/ui/FrmRadioInfo.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "image/Models.h"
#include "image/RadioInfoBlock.h"
#include "platform/TextDecoding.h"
#include "services/FixedText.h"
#include "widgets/ButtonRow.h"
#include "widgets/EditorButtons.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

QString InfoText(const RadioInfo& info, std::string RadioInfo::*field) {
    return DecodedText(CutFixedText(info.*field), EncodingOf(info, field));
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit* MakeBox(QWidget* parent, int index, int maxLength) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString("Text1_%1").arg(index));
    box->setMaxLength(maxLength);
    box->setReadOnly(true);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    return box;
}

QFormLayout* MakeForm() {
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(TwipsToPixels(50));
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

}  // namespace

FrmRadioInfo::FrmRadioInfo(const AppState& state, QWidget* parent) : QWidget(parent) {
    setObjectName("FrmRadioInfo");
    setWindowTitle(UiText(state, 21000));
    // The captions of Label1(0) to Label1(6) and of Label1(7) to Label1(13).
    constexpr int kFirstLabels[] = {21005, 21006, 21007, 21008, 21009, 21011, 21010};  // texts
    constexpr int kLastLabels[] = {21012, 21003, 21004, 21013, 21014, 21015, 21016};   // texts
    for (int i = 0; i < 14; ++i)
        Label1[i] = MakeLabel(this, QString("Label1_%1").arg(i),
                              UiText(state, i < 7 ? kFirstLabels[i] : kLastLabels[i - 7]));
    Label2 = MakeLabel(this, "Label2", UiText(state, 21002));
    for (int i = 0; i < 12; ++i) {
        if (i != 4)
            Text1[i] = MakeBox(this, i, i == 0 ? 4 : 16);
    }
    RepairReason = new QPlainTextEdit(this);
    RepairReason->setObjectName("Text1_4");
    RepairReason->setReadOnly(true);
    RepairReason->setContextMenuPolicy(Qt::NoContextMenu);
    RepairReason->setFixedHeight(TwipsToPixels(900));
    // As wide as the other boxes, so that the window fits the main window's default size.
    RepairReason->setMaximumWidth(Text1[1]->sizeHint().width());
    for (int i = 0; i < 2; ++i) {
        Combo1[i] = new QComboBox(this);
        Combo1[i]->setObjectName(QString("Combo1_%1").arg(i));
    }
    for (int code : BandCodes())
        Combo1[1]->addItem(QString::fromStdString(BandName(code)));

    auto* production = MakeForm();
    production->addRow(Label1[0], Combo1[0]);
    production->addRow(Label1[1], Combo1[1]);
    production->addRow(Label1[2], Text1[1]);
    production->addRow(Label1[3], Text1[2]);
    production->addRow(Label1[4], Text1[3]);
    production->addRow(Label1[6], Text1[5]);
    production->addRow(Label1[7], RepairReason);
    // Label1(5) heads the production data as the frame's caption heads the dealer data.
    Label1[5]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* productionFrame = new QFrame(this);
    productionFrame->setFrameShape(QFrame::StyledPanel);
    productionFrame->setLayout(production);
    auto* productionColumn = new QVBoxLayout;
    productionColumn->addWidget(Label1[5]);
    productionColumn->addWidget(productionFrame, 1);

    Frame1 = new QGroupBox(UiText(state, 21001), this);
    Frame1->setObjectName("Frame1");
    auto* dealer = MakeForm();
    dealer->addRow(Label2, Text1[0]);
    dealer->addRow(Label1[8], Text1[6]);
    dealer->addRow(Label1[9], Text1[7]);
    dealer->addRow(Label1[10], Text1[8]);
    dealer->addRow(Label1[11], Text1[9]);
    dealer->addRow(Label1[12], Text1[10]);
    dealer->addRow(Label1[13], Text1[11]);
    Frame1->setLayout(dealer);

    const EditorButtons buttons = MakeEditorButtons(state, this);
    CommandClose = buttons.Close;
    CommandHelp = buttons.Help;

    auto* columns = new QHBoxLayout;
    columns->addLayout(productionColumn, 1);
    columns->addWidget(Frame1, 1);
    auto* buttonRow = ButtonRow({CommandHelp, CommandClose});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttonRow);
    ShowInfo(state.Info);
}

void FrmRadioInfo::ShowInfo(const RadioInfo& info) {
    Combo1[0]->addItem(InfoText(info, &RadioInfo::InfoModel));
    Combo1[1]->setCurrentText(QString::fromStdString(BandName(info.InfoBandCode)));
    std::string RadioInfo::*const fields[12] = {&RadioInfo::SalesArea,
                                                &RadioInfo::SerialNumber,
                                                &RadioInfo::FactoryDate,
                                                &RadioInfo::RepairDate,
                                                nullptr,
                                                &RadioInfo::VersionInfo,
                                                &RadioInfo::BatchNumber,
                                                &RadioInfo::CustomerCode,
                                                &RadioInfo::DealerCode,
                                                &RadioInfo::StockInDate,
                                                &RadioInfo::SaleDate,
                                                &RadioInfo::Handler};
    for (int i = 0; i < 12; ++i) {
        if (fields[i] != nullptr)
            Text1[i]->setText(InfoText(info, fields[i]));
    }
    RepairReason->setPlainText(InfoText(info, &RadioInfo::RepairReason));
}

}  // namespace mox
