#include "editors/ui/FrmKey.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/ui/ListControls.h"
#include "widgets/ButtonRow.h"
#include "widgets/EditorButtons.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

// The list place of each field, in record order, and the text of its label.
constexpr int kListPlaces[kKeyFieldCount] = {9, 10, 0, 1, 2, 3};
constexpr int kLabelTexts[kKeyFieldCount] = {25001, 25002, 25005, 25006, 25005, 25006};  // texts

constexpr KeyField kPf1[] = {KeyField::Pf1Long, KeyField::Pf1Short};
constexpr KeyField kPf2[] = {KeyField::Pf2Long, KeyField::Pf2Short};
constexpr KeyField kTimes[] = {KeyField::LongPressTime, KeyField::EmergencyLongPressTime};

// A grid whose labels end 100 twips left of their lists.
QGridLayout* ListGrid(QWidget* owner) {
    auto* grid = new QGridLayout(owner);
    grid->setHorizontalSpacing(TwipsToPixels(100));
    grid->setColumnStretch(1, 1);
    return grid;
}

}  // namespace

FrmKey::FrmKey(const Messages& messages, FunctionSettings& settings, EditorSteps steps, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_steps(steps) {
    setObjectName("FrmKey");
    setWindowTitle(UiText(messages, 25000));
    MakeControls(messages);
    LayOut();
    ShowValues();
}

QComboBox*& FrmKey::ListOf(KeyField field) {
    return Combo1[kListPlaces[static_cast<int>(field)]];
}

// The controls are made in the order Tab (and Enter) walks through them.
void FrmKey::MakeControls(const Messages& messages) {
    Frame1 = new QGroupBox(UiText(messages, 25003), this);
    Frame1->setObjectName("Frame1");
    Frame2 = new QGroupBox(UiText(messages, 25004), this);
    Frame2->setObjectName("Frame2");
    for (int i = 0; i < kKeyFieldCount; ++i) {
        const auto field = static_cast<KeyField>(i);
        const int place = kListPlaces[i];
        QWidget* owner = this;
        if (place < 4)
            owner = place < 2 ? Frame1 : Frame2;
        Label1[place] =
            MakeListLabel(QString("Label1_%1").arg(place), UiText(messages, kLabelTexts[i]), owner);
        Combo1[place] = MakeList(QString("Combo1_%1").arg(place), KeyListEntries(messages, field), owner);
        Combo1[place]->setMinimumWidth(TwipsToPixels(2400));
    }
    const EditorButtons buttons = MakeEditorButtons(messages, this);
    CommandClose = buttons.Close;
    CommandHelp = buttons.Help;
}

void FrmKey::LayOut() {
    QGridLayout* times = ListGrid(nullptr);
    QGridLayout* pf1 = ListGrid(Frame1);
    QGridLayout* pf2 = ListGrid(Frame2);
    for (int row = 0; row < 2; ++row) {
        AddRow(times, row, kTimes[row]);
        AddRow(pf1, row, kPf1[row]);
        AddRow(pf2, row, kPf2[row]);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(times);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addLayout(ButtonRow({CommandHelp, CommandClose}));
}

void FrmKey::AddRow(QGridLayout* grid, int row, KeyField field) {
    grid->addWidget(Label1[kListPlaces[static_cast<int>(field)]], row, 0);
    grid->addWidget(ListOf(field), row, 1);
}

// The values are shown, and written back, by the core; the lists then report only the user's choices.
void FrmKey::ShowValues() {
    ReshowKeys();
    for (int i = 0; i < kKeyFieldCount; ++i) {
        const auto field = static_cast<KeyField>(i);
        connect(ListOf(field), &QComboBox::currentIndexChanged, this,
                [this, field](int index) { KeyChosen(field, index); });
    }
}

void FrmKey::ReshowKeys() {
    const auto shown = OpenKeys(m_settings);
    for (int i = 0; i < kKeyFieldCount; ++i)
        SelectQuietly(ListOf(static_cast<KeyField>(i)), shown[i]);
}

// A function the other settings do not allow gives way to the list's first entry.
void FrmKey::KeyChosen(KeyField field, int index) {
    if (index < 0)
        return;
    const int shown = SelectKeyEntry(m_settings, field, index);
    if (shown != index)
        SelectQuietly(ListOf(field), shown);
    m_steps.Changed();
}

void FrmKey::ShowRestoredData() {
    ReshowKeys();
}

}  // namespace mox
