#include "factory/ui/FrmTestData.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/EditSteps.h"
#include "editors/TextKeys.h"
#include "editors/ui/TextBoxKeys.h"
#include "files/TestDataCommands.h"
#include "widgets/ButtonRow.h"
#include "widgets/EnterAsTab.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

FrmTestData::FrmTestData(DocumentContext& state, FileDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_copy(state.WorkingTestData) {
    setObjectName("FrmTestData");
    setWindowTitle(QString::fromStdString(TestDataDialogTexts(state.Language.CurrentLanguage).Window));
    MakeControls();
    LayOut();
    ShowCopy();
}

void FrmTestData::MakeControls() {
    for (int byte = 0; byte < kShownTestDataBytes; ++byte) {
        Label1[byte] = new QLabel(QString::fromStdString(TestDataLabel(byte)), this);
        Label1[byte]->setObjectName(QString("Label1_%1").arg(byte));
        Label1[byte]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* box = Text1[byte] = new QLineEdit(this);
        box->setObjectName(QString("Text1_%1").arg(byte));
        box->setMaxLength(kTestDataBoxLength);
        box->setContextMenuPolicy(Qt::NoContextMenu);
        TextBoxKeys::Install(box, DigitKey, TextBoxKeys::Focus::SelectAll);
        EnterAsTab::Install(box);
        connect(box, &QLineEdit::textChanged, this,
                [this, byte](const QString& text) { CheckBox(byte, text); });
    }
    const TestDataTexts texts = TestDataDialogTexts(m_state.Language.CurrentLanguage);
    const auto button = [this](const char* name, const QString& caption) {
        auto* made = new QPushButton(caption, this);
        made->setObjectName(name);
        made->setAutoDefault(false);
        EnterAsTab::Install(made);
        return made;
    };
    CommandLoad = button("CommandLoad", QString::fromStdString(texts.Load));
    CommandSave = button("CommandSave", QString::fromStdString(texts.Save));
    CommandOK = button("CommandOK", UiText(m_state, 9017));
    CommandCancel = button("CommandCancel", UiText(m_state, 9018));
    connect(CommandLoad, &QPushButton::clicked, this, &FrmTestData::Load);
    connect(CommandSave, &QPushButton::clicked, this, &FrmTestData::Save);
    connect(CommandOK, &QPushButton::clicked, this, &FrmTestData::TakeCopy);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// Two columns of labelled boxes, each label 100 twips left of its box.
void FrmTestData::LayOut() {
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(TwipsToPixels(100));
    const int rows = (kShownTestDataBytes + 1) / 2;
    for (int byte = 0; byte < kShownTestDataBytes; ++byte) {
        boxes->addWidget(Label1[byte], byte % rows, byte / rows * 2);
        boxes->addWidget(Text1[byte], byte % rows, byte / rows * 2 + 1);
        Text1[byte]->setFixedWidth(TwipsToPixels(900));
    }
    boxes->setColumnMinimumWidth(2, TwipsToPixels(1500));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(ButtonRow({CommandLoad, CommandSave, CommandOK, CommandCancel}));
}

// Every change is checked at once: the box never holds anything but a number 0 to 255.
void FrmTestData::CheckBox(int byte, const QString& text) {
    const QString checked = QString::fromStdString(CheckTestDataText(text.toStdString()));
    if (checked != text) {
        const QSignalBlocker quiet(Text1[byte]);
        Text1[byte]->setText(checked);
    }
}

void FrmTestData::ShowCopy() {
    for (int byte = 0; byte < kShownTestDataBytes; ++byte)
        Text1[byte]->setText(QString::number(m_copy[static_cast<std::size_t>(byte)]));
}

void FrmTestData::TakeBoxes() {
    for (int byte = 0; byte < kShownTestDataBytes; ++byte)
        m_copy[static_cast<std::size_t>(byte)] = TestDataByteOf(Text1[byte]->text().toStdString());
}

void FrmTestData::Load() {
    if (LoadTestDataCommand(m_state, m_dialogs, m_copy))
        ShowCopy();
}

void FrmTestData::Save() {
    TakeBoxes();
    SaveTestDataCommand(m_state, m_dialogs, m_copy);
}

void FrmTestData::TakeCopy() {
    TakeBoxes();
    m_state.WorkingTestData = m_copy;
    EditorSteps(m_state, EditorStep::TestData).Changed();
    accept();
}

}  // namespace mox
