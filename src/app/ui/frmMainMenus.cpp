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
#include "app/ui/QtTranslations.h"
#include "app/ui/frmMain.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

enum EntryFlags { kNone = 0, kHidden = 1, kChecked = 2, kSeparator = 4, kCheckable = 8 };

struct MenuEntry {
    const char* Name;
    int Text;  // 0: a fixed caption or a separator
    const char* Fixed;
    QKeySequence Key;
    int Flags;
};

struct MenuTitle {
    const char* Name;
    int Text;
};

struct MenuTable {
    MenuTitle Title;
    std::vector<MenuEntry> Entries;
};

MenuEntry Separator(const char* name) {
    return {name, 0, nullptr, {}, kSeparator};
}

const std::vector<MenuTable>& Menus() {
    static const std::vector<MenuTable> menus = {
        {{"mnuFile", 10000},                                               // texts
         {{"mnuFileNew", 10001, nullptr, QKeySequence("Ctrl+N"), kNone},   // texts
          {"mnuFileOpen", 10002, nullptr, QKeySequence("Ctrl+O"), kNone},  // texts
          {"mnuFileEOpen", 0, "&Open", {}, kHidden},
          {"mnuFileSave", 10003, nullptr, {}, kNone},     // texts
          {"mnuFileSaveAs", 10004, nullptr, {}, kNone},   // texts
          {"mnuFileBackups", 31720, nullptr, {}, kNone},  // texts
          Separator("mnuFileBar0"),
          {"mnuFileImport", 31461, nullptr, {}, kNone},   // texts
          {"mnuFileExport", 31462, nullptr, {}, kNone},   // texts
          {"mnuFileCompare", 31463, nullptr, {}, kNone},  // texts
          {"mnuFilePrint", 10005, nullptr, {}, kNone},    // texts
          Separator("mnuFileBar1"),
          {"mnuFileExit", 10006, nullptr, {}, kNone}}},                   // texts
        {{"mnuModel", 10100},                                             // texts
         {{"mnuModelInfo", 10101, nullptr, {}, kNone}}},                  // texts
        {{"MnuCHEdit", 10800},                                            // texts
         {{"MnuCHCut", 10801, nullptr, QKeySequence("Ctrl+X"), kNone},    // texts
          {"MnuCHCopy", 10802, nullptr, QKeySequence("Ctrl+C"), kNone},   // texts
          {"MnuCHPaste", 10803, nullptr, QKeySequence("Ctrl+V"), kNone},  // texts
          Separator("MnuCHBar1"),
          {"MnuCHInsert", 10804, nullptr, QKeySequence("Ctrl+I"), kNone},        // texts
          {"MnuCHDelete", 10805, nullptr, QKeySequence(Qt::Key_Delete), kNone},  // texts
          {"MnuCHMoveUp", 10806, nullptr, QKeySequence("Ctrl+U"), kNone},        // texts
          {"MnuCHMoveDown", 10807, nullptr, QKeySequence("Ctrl+D"), kNone}}},    // texts
        {{"mnuEdit", 10200},                                                     // texts
         {{"mnuEditUndo", 32002, nullptr, QKeySequence("Ctrl+Z"), kNone},        // texts
          {"mnuEditRedo", 32003, nullptr, QKeySequence("Ctrl+Y"), kNone},        // texts
          Separator("mnuEditBarUndo"),
          {"mnuChannelInfo", 10201, nullptr, {}, kNone},  // texts
          Separator("mnuEditBar0"),
          {"mnuOptFeature", 10202, nullptr, {}, kNone},  // texts
          {"MnuRadioFre", 10203, nullptr, {}, kHidden},  // texts
          {"MnuDTMF", 10204, nullptr, {}, kNone},        // texts
          {"MnuKey", 10208, nullptr, {}, kNone},         // texts
          {"MnuScan", 10209, nullptr, {}, kNone},        // texts
          {"MnuAlert", 10210, nullptr, {}, kNone},       // texts
          {"MnuTestFre", 10205, nullptr, {}, kHidden},   // texts
          {"mnuTestData", 10212, nullptr, {}, kNone},    // texts
          Separator("mnuEditBar2"),
          {"mnuEmbeddedMsg", 10206, nullptr, {}, kNone},  // texts
          {"MnuLocalInfo", 10207, nullptr, {}, kNone},    // texts
          Separator("mnuEditBar3"),
          {"MnuCHBatch", 10211, nullptr, {}, kNone}}},                          // texts
        {{"mnuProgram", 10300},                                                 // texts
         {{"mnuReadFromRadio", 10301, nullptr, QKeySequence("Ctrl+R"), kNone},  // texts
          {"mnuWriteToRadio", 10302, nullptr, QKeySequence("Ctrl+W"), kNone},   // texts
          {"mnuFleetWrite", 32100, nullptr, {}, kNone},                         // texts
          {"MnuProPassWord", 10303, nullptr, QKeySequence("Ctrl+P"), kNone}}},  // texts
        {{"mnuSet", 10400},                                                     // texts
         {{"mnuComm", 10401, nullptr, {}, kNone},                               // texts
          {"mnuLanguage", 10402, nullptr, {}, kNone},                           // texts
          {"MnuInit", 10403, nullptr, {}, kNone},                               // texts
          Separator("MnuCHBar2"),
          {"MnuCHHabits", 10808, nullptr, QKeySequence("Ctrl+H"), kNone},  // texts
          Separator("mnuSetBar3"),
          {"mnuVerifyWrite", 31721, nullptr, {}, kCheckable},    // texts
          {"mnuTraceSerial", 31722, nullptr, {}, kCheckable}}},  // texts
        {{"mnuView", 10500},                                     // texts
         {{"mnuTreeView", 10501, nullptr, {}, kChecked},         // texts
          Separator("mnuViewBar0"),
          {"mnuViewToolbar", 10502, nullptr, {}, kChecked},      // texts
          {"mnuViewStatusBar", 10503, nullptr, {}, kChecked}}},  // texts
        {{"mnuWindow", 10600},                                   // texts
         {{"mnuWindowCascade", 10601, nullptr, {}, kNone},       // texts
          {"mnuWindowTileHorizontal", 0, "Tile Windows &Horizontally", {}, kHidden},
          {"mnuWindowTileVertical", 0, "Tile Windows &Vertically", {}, kHidden},
          {"mnuWindowArrangeIcons", 0, "&Arrange Icons", {}, kHidden},
          Separator("mnuWindowBar0"),
          {"mnuCloseAll", 10602, nullptr, {}, kNone},  // texts
          Separator("mnuWindowBar1")}},
        {{"mnuHelp", 10700},                              // texts
         {{"mnuHelpTopic", 10701, nullptr, {}, kHidden},  // texts
          Separator("mnuHelpBar0"),
          {"mnuHelpAbout", 10702, nullptr, {}, kNone}}},  // texts
    };
    return menus;
}

struct ToolPosition {
    const char* Key;  // nullptr: a separator
    int ToolTip;
};

// The 21 positions of the tool bar; positions 11 to 19 belong to the channel list.
constexpr ToolPosition kToolPositions[] = {
    {"NewFile", 11000},   // texts
    {"OpenFile", 11001},  // texts
    {"SaveFile", 11002},  // texts
    {nullptr, 0},
    {"Print", 11003},  // texts
    {nullptr, 0},
    {"ReadRadio", 11004},   // texts
    {"CommSet", 11005},     // texts
    {"WriteRadio", 11006},  // texts
    {nullptr, 0},
    {"BtnCHCut", 11010},    // texts
    {"BtnCHCopy", 11011},   // texts
    {"BtnCHPaste", 11012},  // texts
    {nullptr, 0},
    {"BtnCHInsert", 11013},    // texts
    {"BtnCHDelete", 11014},    // texts
    {"BtnCHMoveUp", 11015},    // texts
    {"BtnCHMoveDown", 11016},  // texts
    {nullptr, 0},
    {"About", 11007},  // texts
    {nullptr, 0},
    {"EditUndo", 32004},  // texts
    {"EditRedo", 32005},  // texts
};
constexpr int kFirstChannelTool = 11;
constexpr int kLastChannelTool = 19;

}  // namespace

void frmMain::BuildMenus() {
    for (const MenuTable& table : Menus()) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(table.Title.Name);
        menu->menuAction()->setObjectName(table.Title.Name);
        m_menus.insert(table.Title.Name, menu);
        for (const MenuEntry& entry : table.Entries) {
            QAction* action = (entry.Flags & kSeparator) ? menu->addSeparator() : menu->addAction(QString());
            action->setObjectName(entry.Name);
            if (entry.Fixed != nullptr)
                action->setText(QString::fromUtf8(entry.Fixed));
            action->setShortcut(entry.Key);
            action->setVisible(!(entry.Flags & kHidden));
            if (entry.Flags & (kChecked | kCheckable)) {
                action->setCheckable(true);
                action->setChecked(entry.Flags & kChecked);
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
            action = tbToolBar->addAction(ProgramIcon(m_state.Paths.ProgramFolder, tool.Key), QString());
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
    // The status bar holds the main window at least as wide as its panels need: a cut panel shows a
    // wrong band or port.
    bar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
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

// The texts of the language in force: Qt's own, status bar, caption, background, menus and tool tips.
void frmMain::SetCaptions() {
    FollowLanguageInQt(m_state.Language.CurrentLanguage);
    Panels[2]->setText(QString::fromStdString(StatusPortText(m_state)));
    Panels[1]->setText(QString::fromStdString(StatusModelText(m_state)));
    ShowMainTxt();
    LoadBKPic();
    for (const MenuTable& table : Menus()) {
        m_menus[table.Title.Name]->setTitle(UiText(m_state, table.Title.Text));
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
    UpdateUndoCommands();
}

}  // namespace mox
