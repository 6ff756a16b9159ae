#include "editors/ui/FrmScan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/ChoiceLists.h"
#include "editors/ui/ListControls.h"
#include "widgets/ButtonRow.h"
#include "widgets/EditorButtons.h"
#include "widgets/EnterAsTab.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

// The field each list shows, by its place Combo1(i).
constexpr ScanField kFieldOf[11] = {
    ScanField::ScanMode,         ScanField::PriorityMode,   ScanField::Priority1Group,
    ScanField::Priority1Channel, ScanField::Priority2Group, ScanField::Priority2Channel,
    ScanField::ReturnChannel,    ScanField::LookBackA,      ScanField::LookBackB,
    ScanField::RxResumeDelay,    ScanField::TxResumeDelay};
constexpr int kLabelTexts[11] = {26001, 26002, 26003, 0,     26004, 0,
                                 26005, 26006, 26007, 26008, 26009};  // texts
// The group and position lists of priority channel 1 and 2.
constexpr int kGroupPlace[3] = {0, 2, 4};
// The rows of the window, top to bottom, by list place.
constexpr int kRows[] = {0, 1, 2, 4, 6, 7, 8, 9, 10};

bool IsPositionPlace(int place) {
    return place == 3 || place == 5;
}

}  // namespace

FrmScan::FrmScan(const Messages& messages, FunctionSettings& settings, const ChannelTable& channels,
                 WindowRegistry& windows, EditorSteps steps, QWidget* parent)
    : QWidget(parent),
      m_returnChoices(ScanListEntries(messages, ScanField::ReturnChannel)),
      m_settings(settings),
      m_channels(channels),
      m_steps(steps),
      m_windows(windows) {
    setObjectName("FrmScan");
    setWindowTitle(UiText(messages, 26000));
    MakeControls(messages);
    LayOut();
    ShowValues();
}

// The controls are made in the order Tab (and Enter) walks through them.
void FrmScan::MakeControls(const Messages& messages) {
    for (int i = 0; i < 11; ++i) {
        const QString text = IsPositionPlace(i) ? QString("-") : UiText(messages, kLabelTexts[i]);
        Label1[i] = MakeListLabel(QString("Label1_%1").arg(i), text, this);
        // The group, position and return channel lists are filled when the values are shown.
        const bool fixed = i < 2 || i >= 7;
        Combo1[i] =
            MakeList(QString("Combo1_%1").arg(i),
                     fixed ? ScanListEntries(messages, kFieldOf[i]) : std::vector<std::string>{}, this);
        Combo1[i]->setMinimumWidth(TwipsToPixels(i >= 2 && i <= 5 ? 800 : 2400));
    }
    Label1[3]->setAlignment(Qt::AlignCenter);
    Label1[5]->setAlignment(Qt::AlignCenter);
    Check1 = new QCheckBox(UiText(messages, 26010), this);
    Check1->setObjectName("Check1");
    EnterAsTab::Install(Check1);
    const EditorButtons buttons = MakeEditorButtons(messages, this);
    CommandClose = buttons.Close;
    CommandHelp = buttons.Help;
}

// Each label ends 100 twips left of its list; a priority channel's group and position share a row.
void FrmScan::LayOut() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(TwipsToPixels(100));
    for (int place : kRows)
        AddRow(grid, place);
    grid->addWidget(Check1, grid->rowCount(), 1, 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(ButtonRow({CommandHelp, CommandClose}));
}

void FrmScan::AddRow(QGridLayout* grid, int place) {
    const int row = grid->rowCount();
    grid->addWidget(Label1[place], row, 0);
    if (place == 2 || place == 4) {
        grid->addWidget(Combo1[place], row, 1);
        grid->addWidget(Label1[place + 1], row, 2);
        grid->addWidget(Combo1[place + 1], row, 3);
    } else {
        grid->addWidget(Combo1[place], row, 1, 1, 3);
    }
}

// The values are shown, and written back, by the core; the controls then report only the user's choices.
void FrmScan::ShowValues() {
    ShowView();
    ConnectLists();
    ReshowKeyWindow();
}

void FrmScan::ShowRestoredData() {
    ShowView();
}

void FrmScan::ShowView() {
    const ScanView view = OpenScan(m_settings, m_channels);
    for (int place : {0, 1, 7, 8, 9, 10})
        SelectQuietly(Combo1[place], view.Shown[static_cast<int>(kFieldOf[place])]);
    ShowChannelLists(view.Channels);
    InitRevertList(view.Shown[static_cast<int>(ScanField::ReturnChannel)]);
    {
        const QSignalBlocker quiet(Check1);
        Check1->setChecked(view.Shown[static_cast<int>(ScanField::ScanEntryTone)] == 1);
    }
    EnableControls();
}

void FrmScan::ConnectLists() {
    connect(Combo1[0], &QComboBox::currentIndexChanged, this, &FrmScan::ScanModeChosen);
    connect(Combo1[1], &QComboBox::currentIndexChanged, this, &FrmScan::PriorityModeChosen);
    for (int priority : {1, 2}) {
        QComboBox* group = Combo1[kGroupPlace[priority]];
        QComboBox* position = Combo1[kGroupPlace[priority] + 1];
        connect(group, &QComboBox::currentIndexChanged, this,
                [this, priority](int index) { GroupChosen(priority, index); });
        connect(position, &QComboBox::currentIndexChanged, this, [this, priority, position](int index) {
            SelectPriorityChannel(m_settings.Scan, priority, ListNumber(position, index));
            m_steps.Changed();
        });
    }
    connect(Combo1[6], &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        SelectReturnChannel(m_settings.Scan, index);
        m_steps.Changed();
    });
    for (int place = 7; place <= 10; ++place) {
        connect(Combo1[place], &QComboBox::currentIndexChanged, this, [this, place](int index) {
            if (index < 0)
                return;
            SelectScanEntry(m_settings.Scan, kFieldOf[place], index);
            m_steps.Changed();
        });
    }
    connect(Check1, &QCheckBox::toggled, this, [this](bool ticked) {
        SelectScanEntry(m_settings.Scan, ScanField::ScanEntryTone, ticked ? 1 : 0);
        m_steps.Changed();
    });
}

void FrmScan::ScanModeChosen(int index) {
    if (index < 0)
        return;
    SelectScanMode(m_settings, index);
    EnableControls();
    ReshowKeyWindow();
    m_steps.Changed();
}

void FrmScan::PriorityModeChosen(int index) {
    if (index < 0)
        return;
    InitRevertList(SelectPriorityMode(m_settings.Scan, index));
    EnableControls();
    m_steps.Changed();
}

void FrmScan::GroupChosen(int priority, int index) {
    const int group = ListNumber(Combo1[kGroupPlace[priority]], index);
    const int position = SelectPriorityGroup(m_settings.Scan, m_channels, priority, group);
    ShowNumbers(Combo1[kGroupPlace[priority] + 1], ChannelPositions(m_channels, group), position);
    m_steps.Changed();
}

void FrmScan::InitRevertList(int shown) {
    QComboBox* list = Combo1[6];
    const QSignalBlocker quiet(list);
    list->clear();
    for (int choice : ReturnChannelChoices(m_settings.Scan.PriorityMode))
        list->addItem(QString::fromStdString(m_returnChoices[choice]));
    list->setCurrentIndex(shown);
}

void FrmScan::ShowChannelLists(const ScanChannelLists& lists) {
    const ScanSettings& scan = m_settings.Scan;
    ShowNumbers(Combo1[2], lists.Groups, scan.Priority1Group);
    ShowNumbers(Combo1[3], lists.Positions[0], scan.Priority1Channel);
    ShowNumbers(Combo1[4], lists.Groups, scan.Priority2Group);
    ShowNumbers(Combo1[5], lists.Positions[1], scan.Priority2Channel);
}

void FrmScan::ReshowByCh() {
    ShowChannelLists(ReshowScanChannels(m_settings.Scan, m_channels));
}

void FrmScan::EnableControls() {
    for (int place = 0; place < 11; ++place)
        Combo1[place]->setEnabled(ScanControlEnabled(m_settings.Scan, kFieldOf[place]));
    Check1->setEnabled(ScanControlEnabled(m_settings.Scan, ScanField::ScanEntryTone));
}

// Choosing the first scan mode may have taken the scan function off a key the key window shows.
void FrmScan::ReshowKeyWindow() {
    QWidget* keys = m_windows.FindWindow("FrmKey");
    if (keys != nullptr && keys->metaObject()->indexOfMethod("ReshowKeys()") >= 0)
        QMetaObject::invokeMethod(keys, "ReshowKeys");
}

}  // namespace mox
