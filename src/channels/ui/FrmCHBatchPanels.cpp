// The controls of the batch set-up: the range, the settings panel with one row per item and the
// item-selection panel.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "channels/BatchFieldChecks.h"
#include "channels/ui/FrmCHBatch.h"
#include "codecs/Tones.h"
#include "widgets/EnterAsTab.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

// Items 6 to 21: the lists first, then the check boxes, each in the dialog's item order.
constexpr int kListItems[] = {kBatchTxPower,   kBatchOptionalSignalling, kBatchPttId,
                              kBatchSpacing,   kBatchBusyLock,           kBatchReverseOrTalkaround,
                              kBatchAutoDial1, kBatchSignallingRelation, kBatchAutoDial2};
constexpr int kCheckItems[] = {kBatchScanSkip, kBatchVoiceScramble, kBatchTxInhibit, kBatchTalkaround,
                               kBatchReverse,  kBatchWhisper,       kBatchCompander};
constexpr int kListColumns = 2;
constexpr int kCheckColumns = 4;
constexpr int kItemColumns = 2;
constexpr int kNumberBoxTwips = 1300;

QLabel* Label(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QString ItemCaption(const Messages& messages, int item) {
    return UiText(messages, BatchItemCaptionText(item)) + QString::fromLatin1(BatchItemCaptionTail(item));
}

// A row of controls without margins, to sit in one cell of a grid.
QWidget* Row(QWidget* parent, std::initializer_list<QWidget*> controls) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* control : controls) {
        control->setParent(row);
        layout->addWidget(control);
    }
    layout->addStretch();
    return row;
}

// Options of one choice; the first is chosen.
void Exclusive(QObject* owner, std::initializer_list<QRadioButton*> options) {
    auto* group = new QButtonGroup(owner);
    for (QRadioButton* option : options)
        group->addButton(option);
    options.begin()[0]->setChecked(true);
}

}  // namespace

QLineEdit* FrmCHBatch::NumberBox(const char* name, bool frequency) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setProperty("frequency", frequency);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setFixedWidth(TwipsToPixels(kNumberBoxTwips));
    // Text that arrives other than by typing keeps to the characters the keys allow.
    box->setValidator(new QRegularExpressionValidator(
        QRegularExpression(frequency ? QStringLiteral("[0-9.]*") : QStringLiteral("[0-9]*")), box));
    EnterAsTab::Install(box);
    box->installEventFilter(this);
    return box;
}

QRadioButton* FrmCHBatch::Option(const char* name, int text, QWidget* parent) {
    auto* option = new QRadioButton(UiText(m_state, text), parent);
    option->setObjectName(name);
    return option;
}

void FrmCHBatch::BuildRange() {
    OptionAll = Option("OptionAll", 29002, this);
    OptionRange = Option("OptionRange", 29003, this);
    Exclusive(this, {OptionAll, OptionRange});
    TextFrom = NumberBox("TextFrom", false);
    TextTo = NumberBox("TextTo", false);
    TextFrom->setText("1");
    TextTo->setText("128");
    CheckClear = new QCheckBox(UiText(m_state, 29099), this);
    CheckClear->setObjectName("CheckClear");
}

void FrmCHBatch::BuildItemPanel() {
    ItemPanel = new QWidget(this);
    ItemPanel->setObjectName("ItemPanel");
    auto* grid = new QGridLayout;
    const int rows = (kBatchItemCount + kItemColumns - 1) / kItemColumns;
    for (int item = 0; item < kBatchItemCount; ++item) {
        CheckItem[item] = new QCheckBox(ItemCaption(m_state, item), ItemPanel);
        CheckItem[item]->setObjectName(QString("CheckItem_%1").arg(item));
        CheckItem[item]->setChecked(IsBatchItemSelected(m_state.BatchItems, item));
        grid->addWidget(CheckItem[item], item % rows, item / rows);
    }
    CommandSelAll = new QPushButton(UiText(m_state, 29045), ItemPanel);
    CommandSelAll->setObjectName("CommandSelAll");
    CommandSelNone = new QPushButton(UiText(m_state, 29046), ItemPanel);
    CommandSelNone->setObjectName("CommandSelNone");
    auto* layout = new QVBoxLayout(ItemPanel);
    layout->addLayout(grid);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CommandSelAll);
    buttons->addWidget(CommandSelNone);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void FrmCHBatch::AddItemRow(QGridLayout* grid, int row, int column, int item, QWidget* controls) {
    QLabel* label = Label(SettingsPanel, ItemCaption(m_state, item));
    label->setObjectName(QString("LabelItem_%1").arg(item));
    label->setBuddy(controls);
    grid->addWidget(label, row, column);
    grid->addWidget(controls, row, column + 1);
    m_itemWidgets[item] = {label, controls};
}

QWidget* FrmCHBatch::BuildFrequencyItems() {
    auto* box = new QWidget(SettingsPanel);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    TextRxStart = NumberBox("TextRxStart", true);
    TextRxStep = NumberBox("TextRxStep", true);
    OptionRxDirection = {Option("OptionRxUp", 29040, this), Option("OptionRxDown", 29041, this)};
    Exclusive(this, {OptionRxDirection[0], OptionRxDirection[1]});
    AddItemRow(
        grid, 0, 0, kBatchRxFrequency,
        Row(box, {Label(this, UiText(m_state, 29050)), TextRxStart, Label(this, UiText(m_state, 29051)),
                  TextRxStep, OptionRxDirection[0], OptionRxDirection[1]}));

    OptionTxMode = {Option("OptionTxMode_0", 29052, this), Option("OptionTxMode_1", 29053, this),
                    Option("OptionTxMode_2", 29050, this)};
    Exclusive(this, {OptionTxMode[0], OptionTxMode[1], OptionTxMode[2]});
    TextTxOffset = NumberBox("TextTxOffset", true);
    OptionOffsetSign = {Option("OptionOffsetPlus", 29042, this), Option("OptionOffsetMinus", 29043, this)};
    Exclusive(this, {OptionOffsetSign[0], OptionOffsetSign[1]});
    TextTxStart = NumberBox("TextTxStart", true);
    TextTxStep = NumberBox("TextTxStep", true);
    OptionTxDirection = {Option("OptionTxUp", 29040, this), Option("OptionTxDown", 29041, this)};
    Exclusive(this, {OptionTxDirection[0], OptionTxDirection[1]});
    auto* tx = new QWidget(box);
    auto* modes = new QVBoxLayout(tx);
    modes->setContentsMargins(0, 0, 0, 0);
    modes->addWidget(Row(tx, {OptionTxMode[0]}));
    modes->addWidget(Row(tx, {OptionTxMode[1], TextTxOffset, OptionOffsetSign[0], OptionOffsetSign[1]}));
    modes->addWidget(Row(tx, {OptionTxMode[2], TextTxStart, Label(this, UiText(m_state, 29054)), TextTxStep,
                              OptionTxDirection[0], OptionTxDirection[1]}));
    AddItemRow(grid, 1, 0, kBatchTxFrequency, tx);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* FrmCHBatch::BuildToneItem(int tone) {
    const QString side = tone == 0 ? "Rx" : "Tx";
    ComboToneStart[tone] = new QComboBox(this);
    ComboToneStart[tone]->setObjectName("ComboToneStart" + side);
    for (const std::string& text : ToneListTexts(UiText(m_state, 15030).toStdString()))
        ComboToneStart[tone]->addItem(QString::fromStdString(text));
    TextToneInterval[tone] = NumberBox(tone == 0 ? "TextToneIntervalRx" : "TextToneIntervalTx", false);
    TextToneInterval[tone]->setText("0");
    OptionToneDirection[tone] = {Option("", 29040, this), Option("", 29041, this)};
    OptionToneDirection[tone][0]->setObjectName("OptionToneUp" + side);
    OptionToneDirection[tone][1]->setObjectName("OptionToneDown" + side);
    Exclusive(this, {OptionToneDirection[tone][0], OptionToneDirection[tone][1]});
    CheckToneRandom[tone] = new QCheckBox(UiText(m_state, 29044), this);
    CheckToneRandom[tone]->setObjectName("CheckToneRandom" + side);
    QWidget* row = Row(SettingsPanel,
                       {Label(this, UiText(m_state, 29055)), ComboToneStart[tone],
                        Label(this, UiText(m_state, 29056)), TextToneInterval[tone],
                        OptionToneDirection[tone][0], OptionToneDirection[tone][1], CheckToneRandom[tone]});
    if (tone == 1) {
        CheckTxToneSame = new QCheckBox(UiText(m_state, 29052), row);
        CheckTxToneSame->setObjectName("CheckTxToneSame");
        CheckTxToneSame->setChecked(true);
        static_cast<QHBoxLayout*>(row->layout())->insertWidget(row->layout()->count() - 1, CheckTxToneSame);
    }
    return row;
}

QWidget* FrmCHBatch::BuildValueItems() {
    auto* box = new QWidget(SettingsPanel);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    int place = 0;
    for (const int item : kListItems) {
        ComboValue[item] = new QComboBox(box);
        ComboValue[item]->setObjectName(QString("ComboValue_%1").arg(item));
        const BatchItemInfo& info = BatchItemOf(item);
        m_values[item] = BatchItemValues(item, m_state.Data.Functions.Dtmf);
        for (const int value : m_values[item]) {
            const bool autoDial = info.Kind == BatchItemKind::AutoDial;
            ComboValue[item]->addItem(autoDial
                                          ? (value == 0 ? UiText(m_state, 14013) : QString::number(value))
                                          : UiText(m_state, info.EntryTexts[value]));
        }
        AddItemRow(grid, place / kListColumns, 2 * (place % kListColumns), item, ComboValue[item]);
        ++place;
    }
    const int firstCheckRow = (place + kListColumns - 1) / kListColumns;
    auto* checks = new QGridLayout;
    place = 0;
    for (const int item : kCheckItems) {
        CheckValue[item] = new QCheckBox(UiText(m_state, BatchItemCaptionText(item)), box);
        CheckValue[item]->setObjectName(QString("CheckValue_%1").arg(item));
        checks->addWidget(CheckValue[item], place / kCheckColumns, place % kCheckColumns);
        m_itemWidgets[item] = {CheckValue[item]};
        ++place;
    }
    grid->addLayout(checks, firstCheckRow, 0, 1, 2 * kListColumns);
    return box;
}

void FrmCHBatch::BuildSettingsPanel() {
    SettingsPanel = new QWidget(this);
    SettingsPanel->setObjectName("SettingsPanel");
    auto* layout = new QVBoxLayout(SettingsPanel);
    layout->addWidget(BuildFrequencyItems());
    auto* tones = new QGridLayout;
    for (int tone = 0; tone < 2; ++tone)
        AddItemRow(tones, tone, 0, tone == 0 ? kBatchRxTone : kBatchTxTone, BuildToneItem(tone));
    tones->setColumnStretch(1, 1);
    layout->addLayout(tones);
    layout->addWidget(BuildValueItems());
    layout->addStretch();
}

}  // namespace mox
