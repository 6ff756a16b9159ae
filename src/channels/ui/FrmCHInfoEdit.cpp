#include "channels/ui/FrmCHInfoEdit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ChannelEditorStores.h"
#include "channels/ChannelEditorView.h"
#include "image/ChannelTable.h"
#include "services/Texts.h"
#include "widgets/ButtonRow.h"
#include "widgets/EditorButtons.h"
#include "widgets/EnterAsTab.h"
#include "widgets/FrequencyKeyFilter.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

bool IsEnter(QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Focus that leaves for a list's own pop-up or for another program is not the user leaving the field.
bool LeavesTheField(QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

QLabel* FieldLabel(QWidget* parent, const QString& text, QWidget* field) {
    auto* label = new QLabel(text, parent);
    label->setObjectName("Label_" + field->objectName());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(field);
    return label;
}

QComboBox* NumberChooser(QWidget* parent, const char* name, int count) {
    auto* chooser = new QComboBox(parent);
    chooser->setObjectName(name);
    for (int i = 1; i <= count; ++i)
        chooser->addItem(QString::number(i));
    return chooser;
}

}  // namespace

FrmCHInfoEdit::FrmCHInfoEdit(AppState& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName("FrmCHInfoEdit");
    setWindowTitle(UiText(state, 15000));
    BuildControls();
    BuildLayout();
    resize(TwipsToPixels(8100), TwipsToPixels(7200));
    m_state.ChannelEdit.ChannelEditorOpen = true;
    SetGridEditData(true);
}

FrmCHInfoEdit::~FrmCHInfoEdit() {
    m_closing = true;
    m_state.ChannelEdit.ChannelEditorOpen = false;
}

void FrmCHInfoEdit::BuildControls() {
    Combo4 = NumberChooser(this, "Combo4", kGroupCount);
    Combo1 = NumberChooser(this, "Combo1", kPositionsPerGroup);
    for (QComboBox* chooser : {Combo4, Combo1}) {
        EnterAsTab::Install(chooser);
        connect(chooser, &QComboBox::activated, this, &FrmCHInfoEdit::OnChooser);
    }
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text2 = new QLineEdit(this);
    Text2->setObjectName("Text2");
    FrequencyKeyFilter::Install(Text1, [] { return false; });
    FrequencyKeyFilter::Install(Text2, [this] { return m_state.Habit.ShowTxAsShift; });
    for (QLineEdit* box : {Text1, Text2}) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this, box] { m_pendingBox = box; });
    }
    for (int i = 0; i < kEditorListCount; ++i) {
        Combo2[i] = new QComboBox(this);
        Combo2[i]->setObjectName(QString("Combo2_%1").arg(i));
        Combo2[i]->installEventFilter(this);
        EnterAsTab::Install(Combo2[i]);
        connect(Combo2[i], &QComboBox::activated, this, [this, i] { OnListChosen(i); });
    }
    for (int i = 0; i < kEditorCheckCount; ++i) {
        Check1[i] = new QCheckBox(UiText(m_state, EditorChecks()[i].LabelText), this);
        Check1[i]->setObjectName(QString("Check1_%1").arg(i));
        EnterAsTab::Install(Check1[i]);
        connect(Check1[i], &QCheckBox::clicked, this, [this, i] { OnCheckClicked(i); });
    }
    const EditorButtons buttons = MakeEditorButtons(m_state, this);
    CommandClose = buttons.Close;
    CommandHelp = buttons.Help;
}

// The choosers on top, the frequencies under them, the lists in one column and the check boxes in a
// column to their right; each label stands 100 twips left of its field.
void FrmCHInfoEdit::BuildLayout() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(TwipsToPixels(100));
    grid->setColumnMinimumWidth(1, TwipsToPixels(1800));
    grid->setColumnMinimumWidth(2, TwipsToPixels(600));
    const auto addRow = [this, grid](int row, const QString& label, QWidget* field) {
        grid->addWidget(FieldLabel(this, label, field), row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(0, UiText(m_state, 15029), Combo4);
    addRow(1, UiText(m_state, 15001), Combo1);
    addRow(2, UiText(m_state, 15002), Text1);
    addRow(3, UiText(m_state, m_state.Habit.ShowTxAsShift ? 15100 : 15003), Text2);
    LabelText2 = qobject_cast<QLabel*>(grid->itemAtPosition(3, 0)->widget());
    for (int i = 0; i < kEditorListCount; ++i) {
        const EditorList& list = EditorLists()[i];
        addRow(4 + i, UiText(m_state, list.LabelText) + QString::fromLatin1(list.LabelTail), Combo2[i]);
    }
    for (int i = 0; i < kEditorCheckCount; ++i)
        grid->addWidget(Check1[i], 4 + i, 3);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(ButtonRow({CommandHelp, CommandClose}));
}

int FrmCHInfoEdit::ShownNumber() const {
    return EditorChannelNumber(Combo4->currentIndex(), Combo1->currentIndex() + 1);
}

void FrmCHInfoEdit::SetGridEditData(bool rIsGridChange) {
    m_wandToSave = false;
    ChannelEditState& edit = m_state.ChannelEdit;
    if (rIsGridChange) {
        Combo4->setCurrentIndex(edit.EditGroup);
        Combo1->setCurrentIndex(edit.EditRow - 1);
    } else {
        TakeEditorChoosers(edit, *m_state.Redraw, Combo4->currentIndex(), Combo1->currentIndex() + 1);
        Combo1->setCurrentIndex(edit.EditRow - 1);
        m_wandToSave = false;
    }
    const int number = ShownNumber();
    const ChannelEditorContents shown =
        ShowChannelInEditor(m_state.Data.Channels, m_state.Data.Functions.Dtmf, number);
    ShowFrequencies(shown.Exists);
    for (int i = 0; i < kEditorListCount; ++i)
        ShowList(i, shown.Offered[i], shown.ShownEntry[i], shown.Exists);
    for (int i = 0; i < kEditorCheckCount; ++i) {
        Check1[i]->setChecked(shown.Checked[i]);
        Check1[i]->setEnabled(shown.CheckEnabled[i]);
    }
    m_wandToSave = true;
}

void FrmCHInfoEdit::ShowFrequencies(bool exists) {
    const ChannelRecord* record = FindChannel(m_state.Data.Channels, ShownNumber());
    if (exists && record != nullptr) {
        const FrequencyTexts texts = FrequencyTextsOf(m_state, *record);
        Text1->setText(QString::fromStdString(texts.Rx));
        Text2->setText(QString::fromStdString(texts.Tx));
    } else {
        Text1->clear();
        Text2->clear();
    }
    Text2->setEnabled(exists);
}

// The entries are built again only when the values offered change (busy lock, auto-dial), so a list
// keeps its pop-up and focus through the refresh that follows each store.
void FrmCHInfoEdit::ShowList(int list, const std::vector<int>& offered, int entry, bool enabled) {
    QComboBox* box = Combo2[list];
    if (!offered.empty() && offered != m_offered[list]) {
        box->clear();
        const TextOf text = [this](int number) { return GetLanguageText(m_state, number); };
        for (int value : offered)
            box->addItem(QString::fromStdString(EntryText(EditorLists()[list], value, text)));
        m_offered[list] = offered;
    }
    box->setCurrentIndex(entry);
    box->setEnabled(enabled);
}

void FrmCHInfoEdit::ReShowEditTxFre(bool rOffSet) {
    LabelText2->setText(UiText(m_state, rOffSet ? 15100 : 15003));
    SetGridEditData(false);
}

// The auto-dial memories changed: both lists offer the memories in use and keep showing the entry they
// showed, or the first one when it is gone.
void FrmCHInfoEdit::ReshowAutoDial() {
    const std::vector<int> offered = AutoDialChoices(m_state.Data.Functions.Dtmf);
    for (int list : {kAutoDial1List, kAutoDial2List}) {
        QComboBox* box = Combo2[list];
        const int shown = box->currentIndex() < 0 ? -1 : EntryOfValue(offered, box->currentText().toInt());
        ShowList(list, offered, shown, box->isEnabled());
    }
}

void FrmCHInfoEdit::ShowRestoredData() {
    ReshowAutoDial();
    SetGridEditData(false);
}

void FrmCHInfoEdit::OnChooser() {
    const ChannelEditState& edit = m_state.ChannelEdit;
    if (Combo4->currentIndex() != edit.EditGroup || Combo1->currentIndex() + 1 != edit.EditRow)
        SetGridEditData(false);
}

// A pick of a receive tone or of the optional signalling changes which busy locks the channel can
// have: the busy-lock list shows that at once, and the refresh after the store settles it.
void FrmCHInfoEdit::OnListChosen(int list) {
    QComboBox* box = Combo2[list];
    const int entry = box->currentIndex();
    if (!m_wandToSave || m_closing || entry < 0 || box->currentText().trimmed().isEmpty())
        return;
    if (list == kRxToneList || list == kSignallingList) {
        const int busyEntry = Combo2[kBusyLockList]->currentIndex();
        const int busyLock = busyEntry < 0 ? 0 : m_offered[kBusyLockList][busyEntry];
        const std::vector<int> busyChoices = BusyLockChoices(Combo2[kRxToneList]->currentIndex() > 0);
        ShowList(kBusyLockList, busyChoices, EntryOfValue(busyChoices, busyLock), true);
    }
    StoreEditorChoice(m_state, ShownNumber(), list, m_offered[list][entry]);
}

void FrmCHInfoEdit::OnCheckClicked(int check) {
    if (m_wandToSave && !m_closing)
        StoreEditorCheck(m_state, ShownNumber(), check, Check1[check]->isChecked());
}

void FrmCHInfoEdit::CommitText(QLineEdit* box) {
    if (m_pendingBox != box || m_closing)
        return;
    m_pendingBox = nullptr;
    const std::string text = box->text().toStdString();
    if (box == Text1)
        StoreEditorRx(m_state, ShownNumber(), text);
    else
        StoreEditorTx(m_state, ShownNumber(), text);
    SetGridEditData(false);
}

void FrmCHInfoEdit::CommitEdit() {
    if (m_pendingBox != nullptr)
        CommitText(m_pendingBox);
}

// Entering a frequency box selects its text (once the click that entered it is done); an empty
// transmit box starts from the receive frequency. Leaving it stores it, and so does Enter, which then
// moves on as Tab does.
bool FrmCHInfoEdit::eventFilter(QObject* watched, QEvent* event) {
    if (m_closing)
        return false;
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != nullptr && event->type() == QEvent::FocusIn) {
        m_pendingBox = box;
        if (box == Text2 && Text2->text().isEmpty())
            Text2->setText(Text1->text());
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    } else if (box != nullptr && LeavesTheField(event)) {
        CommitText(box);
    } else if (box != nullptr && IsEnter(event)) {
        CommitText(box);
        focusNextChild();
        return true;
    } else if (LeavesTheField(event)) {
        for (int i = 0; i < kEditorListCount; ++i) {
            if (watched == Combo2[i])
                OnListChosen(i);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmCHInfoEdit::closeEvent(QCloseEvent* event) {
    CommitEdit();
    m_closing = true;
    m_state.ChannelEdit.ChannelEditorOpen = false;
    QWidget::closeEvent(event);
}

}  // namespace mox
