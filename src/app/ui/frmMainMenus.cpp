// The main window's menu bar, tool bar and status bar, built from tables so that the names, texts and
// shortcuts stay in one place.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/MainWindowTexts.h"
#include "app/ui/ProgramIcons.h"
#include "app/ui/UiText.h"
#include "app/ui/frmMain.h"

namespace mox {

namespace {

enum EntryFlags { kNone = 0, kHidden = 1, kChecked = 2, kSeparator = 4 };

struct MenuEntry {
    const char* Name;
    int Text;  // 0: a fixed caption or a separator
    const char* Fixed;
    QKeySequence Key;
    int Flags;
};

struct MenuTable {
    const char* Name;
    int Text;
    std::vector<MenuEntry> Entries;
};

MenuEntry Separator(const char* name) {
    return {name, 0, nullptr, {}, kSeparator};
}

const std::vector<MenuTable>& Menus() {
    static const std::vector<MenuTable> menus = {
        {"mnuFile",
         10000,
         {{"mnuFileNew", 10001, nullptr, QKeySequence("Ctrl+N"), kNone},
          {"mnuFileOpen", 10002, nullptr, QKeySequence("Ctrl+O"), kNone},
          {"mnuFileEOpen", 0, "&Open", {}, kHidden},
          {"mnuFileSave", 10003, nullptr, {}, kNone},
          {"mnuFileSaveAs", 10004, nullptr, {}, kNone},
          Separator("mnuFileBar0"),
          {"mnuFilePrint", 10005, nullptr, {}, kHidden},
          Separator("mnuFileBar1"),
          {"mnuFileExit", 10006, nullptr, {}, kNone}}},
        {"mnuModel", 10100, {{"mnuModelInfo", 10101, nullptr, {}, kNone}}},
        {"MnuCHEdit",
         10800,
         {{"MnuCHCut", 10801, nullptr, QKeySequence("Ctrl+X"), kNone},
          {"MnuCHCopy", 10802, nullptr, QKeySequence("Ctrl+C"), kNone},
          {"MnuCHPaste", 10803, nullptr, QKeySequence("Ctrl+V"), kNone},
          Separator("MnuCHBar1"),
          {"MnuCHInsert", 10804, nullptr, QKeySequence("Ctrl+I"), kNone},
          {"MnuCHDelete", 10805, nullptr, QKeySequence(Qt::Key_Delete), kNone},
          {"MnuCHMoveUp", 10806, nullptr, QKeySequence("Ctrl+U"), kNone},
          {"MnuCHMoveDown", 10807, nullptr, QKeySequence("Ctrl+D"), kNone}}},
        {"mnuEdit",
         10200,
         {{"mnuChannelInfo", 10201, nullptr, {}, kNone},
          Separator("mnuEditBar0"),
          {"mnuOptFeature", 10202, nullptr, {}, kNone},
          {"MnuRadioFre", 10203, nullptr, {}, kHidden},
          {"MnuDTMF", 10204, nullptr, {}, kNone},
          {"MnuKey", 10208, nullptr, {}, kNone},
          {"MnuScan", 10209, nullptr, {}, kNone},
          {"MnuAlert", 10210, nullptr, {}, kNone},
          {"MnuTestFre", 10205, nullptr, {}, kHidden},
          {"mnuTestData", 10212, nullptr, {}, kNone},
          Separator("mnuEditBar2"),
          {"mnuEmbeddedMsg", 10206, nullptr, {}, kNone},
          {"MnuLocalInfo", 10207, nullptr, {}, kNone},
          Separator("mnuEditBar3"),
          {"MnuCHBatch", 10211, nullptr, {}, kNone}}},
        {"mnuProgram",
         10300,
         {{"mnuReadFromRadio", 10301, nullptr, QKeySequence("Ctrl+R"), kNone},
          {"mnuWriteToRadio", 10302, nullptr, QKeySequence("Ctrl+W"), kNone},
          {"MnuProPassWord", 10303, nullptr, QKeySequence("Ctrl+P"), kNone}}},
        {"mnuSet",
         10400,
         {{"mnuComm", 10401, nullptr, {}, kNone},
          {"mnuLanguage", 10402, nullptr, {}, kNone},
          {"MnuInit", 10403, nullptr, {}, kNone},
          Separator("MnuCHBar2"),
          {"MnuCHHabits", 10808, nullptr, QKeySequence("Ctrl+H"), kNone}}},
        {"mnuView",
         10500,
         {{"mnuTreeView", 10501, nullptr, {}, kChecked},
          Separator("mnuViewBar0"),
          {"mnuViewToolbar", 10502, nullptr, {}, kChecked},
          {"mnuViewStatusBar", 10503, nullptr, {}, kChecked}}},
        {"mnuWindow",
         10600,
         {{"mnuWindowCascade", 10601, nullptr, {}, kNone},
          {"mnuWindowTileHorizontal", 0, "Tile Windows &Horizontally", {}, kHidden},
          {"mnuWindowTileVertical", 0, "Tile Windows &Vertically", {}, kHidden},
          {"mnuWindowArrangeIcons", 0, "&Arrange Icons", {}, kHidden},
          Separator("mnuWindowBar0"),
          {"mnuCloseAll", 10602, nullptr, {}, kNone},
          Separator("mnuWindowBar1")}},
        {"mnuHelp",
         10700,
         {{"mnuHelpTopic", 10701, nullptr, {}, kHidden},
          Separator("mnuHelpBar0"),
          {"mnuHelpAbout", 10702, nullptr, {}, kNone}}},
    };
    return menus;
}

struct ToolPosition {
    const char* Key;  // nullptr: a separator
    int ToolTip;
};

// The 21 positions of the tool bar; positions 11 to 19 belong to the channel list.
constexpr ToolPosition kToolPositions[] = {
    {"NewFile", 11000},     {"OpenFile", 11001},    {"SaveFile", 11002},
    {nullptr, 0},           {"Print", 11003},       {nullptr, 0},
    {"ReadRadio", 11004},   {"CommSet", 11005},     {"WriteRadio", 11006},
    {nullptr, 0},           {"BtnCHCut", 11010},    {"BtnCHCopy", 11011},
    {"BtnCHPaste", 11012},  {nullptr, 0},           {"BtnCHInsert", 11013},
    {"BtnCHDelete", 11014}, {"BtnCHMoveUp", 11015}, {"BtnCHMoveDown", 11016},
    {nullptr, 0},           {"About", 11007},       {nullptr, 0},
};
constexpr int kFirstChannelTool = 11;
constexpr int kLastChannelTool = 19;

}  // namespace

void frmMain::BuildMenus() {
    for (const MenuTable& table : Menus()) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(table.Name);
        menu->menuAction()->setObjectName(table.Name);
        m_menus.insert(table.Name, menu);
        for (const MenuEntry& entry : table.Entries) {
            QAction* action = (entry.Flags & kSeparator) ? menu->addSeparator() : menu->addAction(QString());
            action->setObjectName(entry.Name);
            if (entry.Fixed != nullptr)
                action->setText(QString::fromUtf8(entry.Fixed));
            action->setShortcut(entry.Key);
            action->setVisible(!(entry.Flags & kHidden));
            if (entry.Flags & kChecked) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            m_entries.insert(entry.Name, action);
            if (!(entry.Flags & kSeparator))
                connect(action, &QAction::triggered, this,
                        [this, name = QString(entry.Name)] { RunEntry(name); });
        }
    }
    connect(m_menus["mnuWindow"], &QMenu::aboutToShow, this, &frmMain::FillWindowMenu);
}

void frmMain::BuildToolBar() {
    tbToolBar = addToolBar(QString());
    tbToolBar->setObjectName("tbToolBar");
    tbToolBar->setMovable(false);
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    int position = 1;
    for (const ToolPosition& tool : kToolPositions) {
        QAction* action = nullptr;
        if (tool.Key == nullptr) {
            action = tbToolBar->addSeparator();
        } else {
            action = tbToolBar->addAction(ProgramIcon(m_state.ProgramFolder, tool.Key), QString());
            action->setObjectName(tool.Key);
            m_toolButtons.insert(tool.Key, action);
        }
        if (position >= kFirstChannelTool && position <= kLastChannelTool)
            m_channelEditTools.append(action);
        ++position;
    }
}

void frmMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("sbStatusBar");
    for (std::size_t i = 0; i < Panels.size(); ++i) {
        Panels[i] = new QLabel(bar);
        Panels[i]->setObjectName(QString("Panel%1").arg(i + 1));
        Panels[i]->setContentsMargins(6, 0, 6, 0);
        if (i == 0)
            bar->addWidget(Panels[i], 1);
        else
            bar->addPermanentWidget(Panels[i]);
    }
    Panels[1]->setText("Status");
}

// The texts of the language in force: status bar, caption, background, menus and tool tips.
void frmMain::SetCaptions() {
    Panels[2]->setText(QString::fromStdString(StatusPortText(m_state)));
    Panels[1]->setText(QString::fromStdString(StatusModelText(m_state)));
    ShowMainTxt();
    LoadBKPic();
    for (const MenuTable& table : Menus()) {
        m_menus[table.Name]->setTitle(UiText(m_state, table.Text));
        for (const MenuEntry& entry : table.Entries) {
            if (entry.Text != 0)
                m_entries[entry.Name]->setText(UiText(m_state, entry.Text));
        }
    }
    for (const ToolPosition& tool : kToolPositions) {
        if (tool.Key == nullptr)
            continue;
        QAction* action = m_toolButtons[tool.Key];
        action->setToolTip(UiText(m_state, tool.ToolTip));
        action->setText(action->toolTip());
    }
}

}  // namespace mox
