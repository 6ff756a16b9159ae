#include "editors/ui/FrmDTMF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editors/ui/TextBoxKeys.h"
#include "widgets/ButtonRow.h"
#include "widgets/EditorButtons.h"
#include "widgets/EnterAsTab.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

// Combo2's places that hold a list, and the settings list each shows.
constexpr std::pair<int, DtmfList> kSecondLists[] = {
    {1, DtmfList::CallAlert}, {4, DtmfList::GroupCode}, {5, DtmfList::AutoReset}};

QLabel* MakeLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// A page whose labels end 100 twips left of their controls.
QGridLayout* PageGrid(QWidget* page) {
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(TwipsToPixels(100));
    return grid;
}

void AddRow(QGridLayout* grid, QLabel* label, QWidget* control, int column = 0) {
    const int row = grid->rowCount();
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1);
}

}  // namespace

FrmDTMF::FrmDTMF(const Messages& messages, DtmfSettings& settings, WindowRegistry& windows, EditorSteps steps,
                 QWidget* parent)
    : QWidget(parent), m_settings(settings), m_steps(steps), m_windows(windows) {
    setObjectName("FrmDTMF");
    setWindowTitle(UiText(messages, 18000));
    MakeLists(messages);
    MakeBoxes();
    Check1 = new QCheckBox(UiText(messages, 18030));
    Check1->setObjectName("Check1");
    EnterAsTab::Install(Check1);
    for (int i = 0; i < 5; ++i)
        Label1[i] = MakeLabel(QString("Label1_%1").arg(i), UiText(messages, 18005 + i));
    for (const auto& [place, list] : kSecondLists)
        Label2[place] = MakeLabel(QString("Label2_%1").arg(place), UiText(messages, 18010 + place));
    for (int k = 0; k < 4; ++k)
        Label3[k] = MakeLabel(QString("Label3_%1").arg(k), UiText(messages, 18016 + k));
    for (int l = 0; l < 16; ++l)
        Label4[l] = MakeLabel(QString("Label4_%1").arg(l), QString::number(l + 1));
    Label5 = MakeLabel("Label5", UiText(messages, 18022));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    SSTab1->addTab(EncodeTab(), UiText(messages, 18002));
    SSTab1->addTab(DecodeTab(), UiText(messages, 18003));
    SSTab1->addTab(MemoryTab(), UiText(messages, 18004));
    EnterAsTab::Install(SSTab1->tabBar());
    const EditorButtons buttons = MakeEditorButtons(messages, this);
    CommandClose = buttons.Close;
    CommandHelp = buttons.Help;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(ButtonRow({CommandHelp, CommandClose}));
    ShowValues();
}

FrmDTMF::~FrmDTMF() {
    disconnect(m_idCodeLeft);
}

QComboBox* FrmDTMF::ListBox(DtmfList list) const {
    const int index = static_cast<int>(list);
    if (index < 5)
        return Combo1[index];
    for (const auto& [place, shown] : kSecondLists) {
        if (shown == list)
            return Combo2[place];
    }
    return nullptr;
}

QLineEdit* FrmDTMF::CodeBox(int box) const {
    return box < 4 ? Text1[box] : Text2[box - 4];
}

void FrmDTMF::MakeLists(const Messages& messages) {
    for (int i = 0; i < kDtmfListCount; ++i) {
        const auto list = static_cast<DtmfList>(i);
        auto* combo = new QComboBox;
        if (i < 5) {
            Combo1[i] = combo;
            combo->setObjectName(QString("Combo1_%1").arg(i));
        }
        for (const auto& [place, shown] : kSecondLists) {
            if (shown == list) {
                Combo2[place] = combo;
                combo->setObjectName(QString("Combo2_%1").arg(place));
            }
        }
        for (const std::string& entry : DtmfListEntries(messages, list))
            combo->addItem(QString::fromStdString(entry));
        EnterAsTab::Install(combo);
    }
}

void FrmDTMF::MakeBoxes() {
    for (int box = 0; box < kDtmfCodeBoxCount; ++box) {
        auto* text = new QLineEdit;
        text->setObjectName(box < 4 ? QString("Text1_%1").arg(box) : QString("Text2_%1").arg(box - 4));
        text->setMaxLength(kDtmfCodeDigits);
        TextBoxKeys::Install(text, DtmfCodeKey);
        EnterAsTab::Install(text);
        (box < 4 ? Text1[box] : Text2[box - 4]) = text;
    }
    Text3 = new QLineEdit;
    Text3->setObjectName("Text3");
    Text3->setMaxLength(kIdCodeDigits);
    m_idCodeLeft = connect(TextBoxKeys::Install(Text3, IdCodeKey, TextBoxKeys::Focus::SelectAll),
                           &TextBoxKeys::FocusLost, this, &FrmDTMF::CheckIdCode);
    EnterAsTab::Install(Text3);
}

QWidget* FrmDTMF::EncodeTab() {
    auto* page = new QWidget;
    QGridLayout* grid = PageGrid(page);
    for (int i = 0; i < 5; ++i)
        AddRow(grid, Label1[i], Combo1[i]);
    grid->addWidget(Check1, grid->rowCount(), 1);
    AddRow(grid, Label3[0], Text1[0]);
    AddRow(grid, Label3[1], Text1[1]);
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QWidget* FrmDTMF::DecodeTab() {
    auto* page = new QWidget;
    QGridLayout* grid = PageGrid(page);
    AddRow(grid, Label5, Text3);
    for (const auto& [place, list] : kSecondLists)
        AddRow(grid, Label2[place], Combo2[place]);
    AddRow(grid, Label3[2], Text1[2]);
    AddRow(grid, Label3[3], Text1[3]);
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QWidget* FrmDTMF::MemoryTab() {
    auto* page = new QWidget;
    QGridLayout* grid = PageGrid(page);
    for (int l = 0; l < 16; ++l) {
        grid->addWidget(Label4[l], l % 8, l / 8 * 2);
        grid->addWidget(Text2[l], l % 8, l / 8 * 2 + 1);
    }
    return page;
}

// The values are shown, and written back, by the core; the controls then report only the user's edits.
void FrmDTMF::ShowValues() {
    ShowView();
    for (int i = 0; i < kDtmfListCount; ++i) {
        const auto list = static_cast<DtmfList>(i);
        connect(ListBox(list), &QComboBox::currentIndexChanged, this, [this, list](int index) {
            if (index < 0)
                return;
            SaveDtmfList(m_settings, list, index);
            m_steps.Changed();
        });
    }
    connect(Check1, &QCheckBox::toggled, this, [this](bool ticked) {
        SaveSidetone(m_settings, ticked);
        m_steps.Changed();
    });
    connect(Text3, &QLineEdit::textChanged, this, &FrmDTMF::IdCodeChanged);
    for (int box = 0; box < kDtmfCodeBoxCount; ++box) {
        connect(CodeBox(box), &QLineEdit::textChanged, this,
                [this, box](const QString& text) { CodeChanged(box, text); });
    }
}

void FrmDTMF::ShowView() {
    const DtmfView view = OpenDtmf(m_settings);
    for (int i = 0; i < kDtmfListCount; ++i) {
        QComboBox* list = ListBox(static_cast<DtmfList>(i));
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(view.ListIndex[i]);
    }
    const QSignalBlocker quietCheck(Check1);
    Check1->setChecked(view.SidetoneTicked);
    const QSignalBlocker quietId(Text3);
    Text3->setText(QString::fromLatin1(view.IdCode));
    for (int box = 0; box < kDtmfCodeBoxCount; ++box) {
        const QSignalBlocker quiet(CodeBox(box));
        CodeBox(box)->setText(QString::fromLatin1(view.Codes[box]));
    }
}

// A restored ID code replaces one typed but not yet checked.
void FrmDTMF::ShowRestoredData() {
    m_idCodeEdited = false;
    ShowView();
}

// Typed text arrives filtered; pasted text is cleaned here and the box shows what was stored.
void FrmDTMF::CodeChanged(int box, const QString& text) {
    const QString stored =
        QString::fromLatin1(StoreDtmfCode(DtmfCodeOfBox(m_settings, box), text.toUtf8().toStdString()));
    if (stored != text) {
        QLineEdit* edit = CodeBox(box);
        const QSignalBlocker quiet(edit);
        edit->setText(stored);
    }
    m_steps.Typed(box);
    if (box >= 4)
        ReshowAutoDialLists();
}

void FrmDTMF::IdCodeChanged(const QString& text) {
    m_idCodeEdited = true;
    const QString clean = QString::fromLatin1(CleanIdCodeText(text.toUtf8().toStdString()));
    if (clean != text) {
        const QSignalBlocker quiet(Text3);
        Text3->setText(clean);
    }
}

void FrmDTMF::CheckIdCode() {
    m_idCodeEdited = false;
    const QString shown = QString::fromLatin1(mox::CheckIdCode(m_settings, Text3->text().toStdString()));
    m_steps.Changed();
    if (shown != Text3->text()) {
        const QSignalBlocker quiet(Text3);
        Text3->setText(shown);
    }
}

void FrmDTMF::CommitEdit() {
    if (m_idCodeEdited || Text3->hasFocus())
        CheckIdCode();
}

// The channel editor and the alert window list the memories that hold digits.
void FrmDTMF::ReshowAutoDialLists() {
    for (const char* name : {"FrmCHInfoEdit", "FrmAlert"}) {
        QWidget* window = m_windows.FindWindow(name);
        if (window != nullptr && window->metaObject()->indexOfMethod("ReshowAutoDial()") >= 0)
            QMetaObject::invokeMethod(window, "ReshowAutoDial");
    }
}

}  // namespace mox
