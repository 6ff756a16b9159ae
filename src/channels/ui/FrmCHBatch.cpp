#include "channels/ui/FrmCHBatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/BatchCommand.h"
#include "channels/BatchFieldChecks.h"
#include "channels/BatchFunFile.h"
#include "channels/ui/FrmCHInfoEdit.h"
#include "channels/ui/frmCommChInfo.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

constexpr int kSettingsPage = 0;
constexpr int kItemPage = 1;

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    // Enter moves between the fields; it never presses a button.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

FrmCHBatch::FrmCHBatch(AppState& state, WindowRegistry& windows, QWidget* parent)
    : QDialog(parent), m_state(state), m_windows(windows) {
    setObjectName("FrmCHBatch");
    setWindowTitle(UiText(state, 29000));
    setModal(true);
    BuildRange();
    BuildSettingsPanel();
    BuildItemPanel();
    Panels = new QStackedWidget(this);
    Panels->addWidget(SettingsPanel);
    Panels->addWidget(ItemPanel);
    CommandFun = Button(this, "CommandFun", UiText(state, 29005));
    CommandApply = Button(this, "CommandApply", UiText(state, 29007));
    CommandClose = Button(this, "CommandClose", UiText(state, 29008));
    for (QPushButton* button : {CommandSelAll, CommandSelNone})
        button->setAutoDefault(false);

    auto* range = new QGridLayout;
    range->addWidget(OptionAll, 0, 0);
    range->addWidget(OptionRange, 0, 1);
    range->addWidget(new QLabel(UiText(state, 29001), this), 0, 2, Qt::AlignRight);
    range->addWidget(TextFrom, 0, 3);
    range->addWidget(new QLabel(UiText(state, 29004), this), 0, 4, Qt::AlignRight);
    range->addWidget(TextTo, 0, 5);
    range->setColumnStretch(6, 1);
    auto* hint = new QLabel(UiText(state, 29009), this);
    hint->setObjectName("LabelHint");
    range->addWidget(hint, 1, 0, 1, 7);
    range->addWidget(CheckClear, 2, 0, 1, 7);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CommandFun);
    buttons->addStretch();
    buttons->addWidget(CommandApply);
    buttons->addWidget(CommandClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(Panels, 1);
    layout->addLayout(buttons);

    const BatchFields initial = InitialBatchFields(state.Model);
    TextRxStart->setText(QString::fromStdString(initial.RxStart));
    TextTxStart->setText(QString::fromStdString(initial.TxStart));
    TextRxStep->setText(QString::fromStdString(initial.RxStep));
    TextTxStep->setText(QString::fromStdString(initial.TxStep));
    TextTxOffset->setText(QString::fromStdString(initial.TxOffset));

    for (QLineEdit* box : {TextFrom, TextTo})
        connect(box, &QLineEdit::textChanged, this, [this, box] { KeepRangeText(box); });
    for (QLineEdit* box : {TextRxStep, TextTxStep}) {
        connect(box, &QLineEdit::textChanged, this, [box](const QString& text) {
            const QString limited = QString::fromStdString(StepLimitText(text.toStdString()));
            if (limited != text)
                box->setText(limited);
        });
    }
    for (int item = 0; item < kBatchItemCount; ++item)
        connect(CheckItem[item], &QCheckBox::clicked, this, [this, item] { OnItemClicked(item); });
    connect(CommandSelAll, &QPushButton::clicked, this, [this] { SelectEvery(true); });
    connect(CommandSelNone, &QPushButton::clicked, this, [this] { SelectEvery(false); });
    connect(CommandFun, &QPushButton::clicked, this, &FrmCHBatch::SwitchPanel);
    connect(CommandApply, &QPushButton::clicked, this, &FrmCHBatch::CommandApply_Click);
    connect(CommandClose, &QPushButton::clicked, this, &QDialog::accept);
    for (QAbstractButton* governing : std::initializer_list<QAbstractButton*>{
             OptionAll, OptionRange, OptionTxMode[0], OptionTxMode[1], OptionTxMode[2], CheckToneRandom[0],
             CheckToneRandom[1], CheckTxToneSame})
        connect(governing, &QAbstractButton::toggled, this, &FrmCHBatch::UpdateEnabling);
    ShowItemRows();
    UpdateEnabling();
}

void FrmCHBatch::OnItemClicked(int item) {
    SelectBatchItem(m_state.BatchItems, item, CheckItem[item]->isChecked());
    ShowItemRows();
    // A selection that cannot be written stays in force for this run.
    WriteBatchItemSelection(m_state.BatchItems, m_state.Paths.SettingsFolder);
}

void FrmCHBatch::SelectEvery(bool selected) {
    for (int item = 0; item < kBatchItemCount; ++item) {
        if (CheckItem[item]->isChecked() == selected)
            continue;
        CheckItem[item]->setChecked(selected);
        OnItemClicked(item);
    }
}

void FrmCHBatch::SwitchPanel() {
    const bool toItems = Panels->currentIndex() == kSettingsPage;
    Panels->setCurrentIndex(toItems ? kItemPage : kSettingsPage);
    CommandFun->setText(UiText(m_state, toItems ? 29006 : 29005));
}

// Only the controls of the chosen items are shown in the settings panel.
void FrmCHBatch::ShowItemRows() {
    for (int item = 0; item < kBatchItemCount; ++item) {
        for (QWidget* widget : m_itemWidgets[item])
            widget->setVisible(IsBatchItemSelected(m_state.BatchItems, item));
    }
}

void FrmCHBatch::UpdateEnabling() {
    const BatchEnabling enabling = BatchEnablingOf(ReadFields());
    for (QWidget* control :
         {static_cast<QWidget*>(TextFrom), static_cast<QWidget*>(TextTo), static_cast<QWidget*>(CheckClear)})
        control->setEnabled(enabling.RangeFields);
    for (QWidget* control : {static_cast<QWidget*>(TextTxOffset), static_cast<QWidget*>(OptionOffsetSign[0]),
                             static_cast<QWidget*>(OptionOffsetSign[1])})
        control->setEnabled(enabling.TxOffset);
    for (QWidget* control :
         {static_cast<QWidget*>(TextTxStart), static_cast<QWidget*>(TextTxStep),
          static_cast<QWidget*>(OptionTxDirection[0]), static_cast<QWidget*>(OptionTxDirection[1])})
        control->setEnabled(enabling.TxStart);
    CheckToneRandom[1]->setEnabled(enabling.TxToneRandom);
    const std::array<bool, 2> steps = {enabling.RxToneSteps, enabling.TxToneSteps};
    for (int tone = 0; tone < 2; ++tone) {
        for (QWidget* control :
             {static_cast<QWidget*>(ComboToneStart[tone]), static_cast<QWidget*>(TextToneInterval[tone]),
              static_cast<QWidget*>(OptionToneDirection[tone][0]),
              static_cast<QWidget*>(OptionToneDirection[tone][1])})
            control->setEnabled(steps[static_cast<std::size_t>(tone)]);
    }
}

void FrmCHBatch::KeepRangeText(QLineEdit* box) {
    const QString kept = QString::fromStdString(RangeFieldText(box->text().toStdString()));
    if (kept != box->text())
        box->setText(kept);
}

// The check of a field the user leaves.
void FrmCHBatch::CheckField(QLineEdit* box) {
    const std::string text = box->text().toStdString();
    std::string checked = text;
    if (box == TextRxStart || box == TextTxStart)
        checked = StepDataFre(m_state.Model, m_state, text);
    else if (box == TextRxStep || box == TextTxStep)
        checked = StepData(text);
    else if (box == TextTxOffset)
        checked = StepDataFree(text);
    else if (box == TextToneInterval[0] || box == TextToneInterval[1])
        checked = DefaultData(text, "0");
    if (checked != text)
        box->setText(QString::fromStdString(checked));
}

bool FrmCHBatch::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        CheckField(box);
    } else if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty()) {
            const char32_t code = text.toUcs4().value(0);
            const bool frequency = box->property("frequency").toBool();
            return !(frequency ? KeepsBatchFrequencyKey(code) : KeepsBatchDigitKey(code));
        }
    }
    return QDialog::eventFilter(watched, event);
}

BatchFields FrmCHBatch::ReadFields() const {
    BatchFields fields;
    fields.AllChannels = OptionAll->isChecked();
    fields.FromText = TextFrom->text().toStdString();
    fields.ToText = TextTo->text().toStdString();
    fields.ClearOutside = CheckClear->isChecked();
    fields.RxStart = TextRxStart->text().toStdString();
    fields.RxStep = TextRxStep->text().toStdString();
    fields.RxDecrease = OptionRxDirection[1]->isChecked();
    fields.TxMode = OptionTxMode[1]->isChecked()   ? BatchTxMode::Offset
                    : OptionTxMode[2]->isChecked() ? BatchTxMode::StartFrequency
                                                   : BatchTxMode::Default;
    fields.TxOffset = TextTxOffset->text().toStdString();
    fields.OffsetMinus = OptionOffsetSign[1]->isChecked();
    fields.TxStart = TextTxStart->text().toStdString();
    fields.TxStep = TextTxStep->text().toStdString();
    fields.TxDecrease = OptionTxDirection[1]->isChecked();
    for (int tone = 0; tone < 2; ++tone) {
        BatchToneFields& fieldsOfTone = tone == 0 ? fields.RxTone : fields.TxTone;
        fieldsOfTone.Start = ComboToneStart[tone]->currentIndex();
        fieldsOfTone.Interval = TextToneInterval[tone]->text().toStdString();
        fieldsOfTone.Decrease = OptionToneDirection[tone][1]->isChecked();
        fieldsOfTone.Random = CheckToneRandom[tone]->isChecked();
    }
    fields.TxToneSameAsRx = CheckTxToneSame->isChecked();
    for (int item = 0; item < kBatchItemCount; ++item) {
        if (ComboValue[item] != nullptr && ComboValue[item]->currentIndex() >= 0)
            fields.Values[item] = m_values[item][static_cast<std::size_t>(ComboValue[item]->currentIndex())];
        else if (CheckValue[item] != nullptr)
            fields.Values[item] = CheckValue[item]->isChecked() ? 1 : 0;
    }
    return fields;
}

void FrmCHBatch::ShowCheckedFields(const BatchFields& fields) {
    const std::pair<QLineEdit*, const std::string*> boxes[] = {
        {TextRxStart, &fields.RxStart},
        {TextRxStep, &fields.RxStep},
        {TextTxOffset, &fields.TxOffset},
        {TextTxStart, &fields.TxStart},
        {TextTxStep, &fields.TxStep},
        {TextToneInterval[0], &fields.RxTone.Interval},
        {TextToneInterval[1], &fields.TxTone.Interval}};
    for (const auto& [box, text] : boxes)
        box->setText(QString::fromStdString(*text));
}

void FrmCHBatch::CommandApply_Click() {
    BatchFields fields = ReadFields();
    const ToneDraw draw = UniformToneDraw(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    ApplyBatchToDocument(m_state, fields, draw);
    ShowCheckedFields(fields);
    RedrawChannelWindows();
}

// The channel list shows its whole group again and the channel editor its channel; the scan and
// alert windows are left as they are, since the batch set-up does not move their channel references.
void FrmCHBatch::RedrawChannelWindows() {
    if (auto* list = qobject_cast<frmCommChInfo*>(m_windows.FindWindow("frmCommChInfo")))
        list->reShowAllGrid();
    if (auto* editor = qobject_cast<FrmCHInfoEdit*>(m_windows.FindWindow("FrmCHInfoEdit")))
        editor->SetGridEditData(true);
}

}  // namespace mox
