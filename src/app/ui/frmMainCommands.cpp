// The main window's commands: which menu entry, tool bar button and tree node runs what.
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

#include "app/DocumentLock.h"
#include "app/ExchangeCommands.h"
#include "app/MainWindowTexts.h"
#include "app/TransferChoices.h"
#include "app/ui/FrmSetLanguage.h"
#include "app/ui/NavigationPane.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmMain.h"
#include "channels/ui/ChannelWindows.h"
#include "channels/ui/FrmCHBatch.h"
#include "editors/ui/EditorWindows.h"
#include "exchange/ui/ExchangeWindows.h"
#include "factory/ui/FrmTestData.h"
#include "files/FileCommands.h"
#include "files/ui/FrmBackups.h"
#include "image/ui/FrmModelInfo.h"
#include "link/TransferEngine.h"
#include "link/ui/FrmFleet.h"
#include "link/ui/FrmPassWord.h"
#include "link/ui/FrmSetComm.h"
#include "platform/QtSerialPort.h"

namespace mox {

namespace {

struct EditorEntry {
    const char* Entry;
    const char* Window;
};

// The modeless editors, each opened by ShowOrFocusWindow.
constexpr EditorEntry kEditorEntries[] = {
    {"mnuChannelInfo", "frmCommChInfo"},
    {"mnuOptFeature", "FrmOptFeatures"},
    {"MnuDTMF", "FrmDTMF"},
    {"MnuKey", "FrmKey"},
    {"MnuScan", "FrmScan"},
    {"MnuAlert", "FrmAlert"},
    {"mnuEmbeddedMsg", "FrmEmbMsg"},
};

struct NodeEntry {
    const char* Key;
    const char* Entry;
};

constexpr NodeEntry kNodeEntries[] = {
    {"N1", "mnuChannelInfo"}, {"N2", "mnuOptFeature"},  {"N4", "MnuDTMF"},
    {"N8", "MnuKey"},         {"N9", "MnuScan"},        {"N10", "MnuAlert"},
    {"N11", "mnuTestData"},   {"N6", "mnuEmbeddedMsg"}, {"N7", "MnuLocalInfo"},
};

struct ToolEntry {
    const char* Key;
    const char* Entry;
};

constexpr ToolEntry kToolEntries[] = {
    {"NewFile", "NewFile"},
    {"OpenFile", "mnuFileOpen"},
    {"SaveFile", "mnuFileSave"},
    {"Print", "mnuFilePrint"},
    {"ReadRadio", "mnuReadFromRadio"},
    {"CommSet", "mnuComm"},
    {"WriteRadio", "mnuWriteToRadio"},
    {"BtnCHCut", "MnuCHCut"},
    {"BtnCHCopy", "MnuCHCopy"},
    {"BtnCHPaste", "MnuCHPaste"},
    {"BtnCHInsert", "MnuCHInsert"},
    {"BtnCHDelete", "MnuCHDelete"},
    {"BtnCHMoveUp", "MnuCHMoveUp"},
    {"BtnCHMoveDown", "MnuCHMoveDown"},
    {"About", "mnuHelpAbout"},
    {"EditUndo", "mnuEditUndo"},
    {"EditRedo", "mnuEditRedo"},
};

const char* WindowOfEntry(const QString& entry) {
    for (const EditorEntry& editor : kEditorEntries) {
        if (entry == editor.Entry)
            return editor.Window;
    }
    return nullptr;
}

}  // namespace

void frmMain::ConnectCommands() {
    m_handlers.insert("NewFile", [this] { FileNewFromToolBar(m_state, m_devices.Dialogs, *this); });
    m_handlers.insert("mnuFileNew", [this] { FileNew(m_state, m_devices.Dialogs, *this); });
    m_handlers.insert("mnuFileOpen", [this] { FileCommand(&FileOpen); });
    m_handlers.insert("mnuFileEOpen", [this] { FileCommand(&FileOpenDirect); });
    m_handlers.insert("mnuFileSave", [this] { FileCommand(&FileSave); });
    m_handlers.insert("mnuFileSaveAs", [this] { FileCommand(&FileSaveAs); });
    m_handlers.insert("mnuFileBackups", [this] { ShowBackups(); });
    m_handlers.insert("mnuVerifyWrite", [this] {
        SetVerifyAfterWriting(m_devices.Store, Entry("mnuVerifyWrite")->isChecked());
        ApplyTransferChoices();
    });
    m_handlers.insert("mnuTraceSerial", [this] {
        SetRecordSerialTraffic(m_devices.Store, Entry("mnuTraceSerial")->isChecked());
        ApplyTransferChoices();
    });
    m_handlers.insert("mnuFileImport", [this] {
        ExchangeCommand([this] { ImportChannelsWithReport(m_state, m_devices.Dialogs, this); });
    });
    m_handlers.insert("mnuFileExport",
                      [this] { ExchangeCommand([this] { ExportChannels(m_state, m_devices.Dialogs); }); });
    m_handlers.insert("mnuFileCompare", [this] {
        ExchangeCommand([this] { CompareWithFileWindow(m_state, m_devices.Dialogs, this); });
    });
    m_handlers.insert("mnuFilePrint", [this] { ExchangeCommand([this] { PrintPreview(m_state, this); }); });
    m_handlers.insert("mnuFileExit", [this] { close(); });
    m_handlers.insert("mnuModelInfo", [this] { ModelInfo(); });
    m_handlers.insert("MnuLocalInfo", [this] { ReadRMGDataFromRadio(); });
    m_handlers.insert("mnuReadFromRadio", [this] { m_engine->ReadFromRadio(); });
    m_handlers.insert("mnuWriteToRadio", [this] { m_engine->WriteToRadio(); });
    m_handlers.insert("mnuFleetWrite", [this] { OpenFleetWindow(); });
    m_handlers.insert("mnuComm", [this] { PortSettings(); });
    m_handlers.insert("mnuLanguage", [this] { LanguageSettings(); });
    m_handlers.insert("MnuInit", [this] { Initialise(); });
    m_handlers.insert("MnuProPassWord",
                      [this] { FrmPassWord::Ask(m_state, m_state.ProgrammingPassword, this); });
    m_handlers.insert("MnuCHBatch", [this] {
        FrmCHBatch batch(m_state, *this, this);
        batch.exec();
    });
    m_handlers.insert("mnuHelpAbout", [this] {
        frmAbout about(m_state, this);
        about.exec();
    });
    m_handlers.insert("mnuTestData", [this] {
        FrmTestData dialog(m_state, m_devices.Dialogs, this);
        dialog.exec();
    });
    m_handlers.insert("mnuTreeView", [this] { Picture1->setVisible(!Picture1->isVisible()); });
    m_handlers.insert("mnuViewToolbar",
                      [this] { tbToolBar->setVisible(Entry("mnuViewToolbar")->isChecked()); });
    m_handlers.insert("mnuViewStatusBar",
                      [this] { statusBar()->setVisible(Entry("mnuViewStatusBar")->isChecked()); });
    m_handlers.insert("mnuWindowCascade", [this] { MdiArea->cascadeSubWindows(); });
    m_handlers.insert("mnuWindowTileHorizontal", [this] { MdiArea->tileSubWindows(); });
    m_handlers.insert("mnuWindowTileVertical", [this] { MdiArea->tileSubWindows(); });
    m_handlers.insert("mnuWindowArrangeIcons", [this] { MdiArea->tileSubWindows(); });
    m_handlers.insert("mnuCloseAll", [this] { CloseCurAllWindows(); });

    for (const ToolEntry& tool : kToolEntries) {
        connect(m_toolButtons[tool.Key], &QAction::triggered, this, [this, entry = QString(tool.Entry)] {
            // A failing tool bar command leaves the tool bar usable.
            try {
                RunEntry(entry);
            } catch (...) {
            }
        });
    }
    ConnectChannelCommands();
    ConnectUndoCommands();
    RegisterChannelWindows(*this, m_state);
    RegisterEditorWindows(*this, m_state);
}

void frmMain::FileCommand(bool (*command)(DocumentContext&, FileDialogs&, DocumentWindows&)) {
    command(m_state, m_devices.Dialogs, *this);
}

void frmMain::ShowBackups() {
    FrmBackups window(m_state, BackupFolderOf(m_devices.UserData), this);
    if (window.exec() != QDialog::Accepted)
        return;
    GivenFileDialogs chosen(window.ChosenPath().string(), m_devices.Dialogs);
    FileOpen(m_state, chosen, *this);
}

void frmMain::ApplyTransferChoices() {
    Entry("mnuVerifyWrite")->setChecked(VerifyAfterWriting(m_devices.Store));
    Entry("mnuTraceSerial")->setChecked(RecordSerialTraffic(m_devices.Store));
    m_engine->SetOptions(ChosenTransferOptions(m_devices.Store, m_devices.UserData, *m_trace));
}

// The exchange commands take what the editors hold, typed values included.
void frmMain::ExchangeCommand(const std::function<void()>& command) {
    CommitAllEditors();
    command();
}

void frmMain::OpenFleetWindow() {
    if (m_fleetWindow) {
        m_fleetWindow->raise();
        m_fleetWindow->activateWindow();
        return;
    }
    CommitAllEditors();
    FrmFleet::Devices devices{Ports, m_devices.MakePort, m_devices.Timers, m_traceClock};
    if (!devices.MakePort)
        devices.MakePort = [] { return std::make_unique<QtSerialPort>(); };
    auto* window = new FrmFleet(
        m_state, devices, ChosenTransferOptions(m_devices.Store, m_devices.UserData, *m_trace),
        [this](bool locked) { SetDocumentLocked(locked); }, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_fleetWindow = window;
    window->show();
}

// The open editors show the data but take no input; the commands that would change the data are not
// offered.
void frmMain::SetDocumentLocked(bool locked) {
    m_state.Document.Locked = locked;
    for (QMdiSubWindow* child : MdiArea->subWindowList()) {
        if (child->widget() != nullptr)
            child->widget()->setEnabled(!locked);
    }
    UpdateCommandAvailability();
}

void frmMain::ModelInfo() {
    FrmModelInfo dialog(m_state, this);
    dialog.exec();
    if (dialog.ModelChanged())
        LoadNewDoc();
}

void frmMain::PortSettings() {
    FrmSetComm dialog(m_state, Ports, this);
    if (dialog.exec() == QDialog::Accepted)
        Panels[2]->setText(QString::fromStdString(StatusPortText(m_state)));
}

void frmMain::LanguageSettings() {
    FrmSetLanguage dialog(m_state, this);
    dialog.exec();
    TakeLanguageChange();
}

// The initialise flag lives only until this New has made its data; a New the user cancelled must not
// leave it set for the next one.
void frmMain::Initialise() {
    m_state.InitialiseCommand = true;
    FileNew(m_state, m_devices.Dialogs, *this);
    if (!NewDocTimer.isActive())
        m_state.InitialiseCommand = false;
}

void frmMain::RunEntry(const QString& entryName) {
    if (m_state.Document.Locked && !OfferedWhileLocked(entryName.toStdString()))
        return;
    if (const auto handler = m_handlers.constFind(entryName); handler != m_handlers.constEnd()) {
        (*handler)();
        return;
    }
    if (const char* window = WindowOfEntry(entryName))
        ShowOrFocusWindow(window);
}

void frmMain::OnTreeNode(const QString& key) {
    for (const NodeEntry& node : kNodeEntries) {
        if (key == node.Key)
            RunEntry(node.Entry);
    }
}

void frmMain::UpdateChannelCommandEnabling(int number) {
    m_channelCommands = ChannelCommandsFor(m_state.Data.Channels, number, m_state.Clipboard.Full);
    UpdateCommandAvailability();
}

// A command is offered when something runs it; the others stay visible but disabled until the program
// has their windows. Cut, copy and paste also depend on the channel list's position.
void frmMain::UpdateCommandAvailability() {
    auto offered = [this](const QString& entry) {
        if (m_state.Document.Locked && !OfferedWhileLocked(entry.toStdString()))
            return false;
        const char* window = WindowOfEntry(entry);
        if (entry == "MnuCHCut" || entry == "MnuCHCopy") {
            if (!m_channelCommands.CutCopy)
                return false;
        } else if (entry == "MnuCHPaste" && !m_channelCommands.Paste) {
            return false;
        }
        return m_handlers.contains(entry) || (window != nullptr && m_windows.contains(window));
    };
    for (auto it = m_entries.constBegin(); it != m_entries.constEnd(); ++it) {
        if (!it.value()->isSeparator())
            it.value()->setEnabled(offered(it.key()));
    }
    for (const ToolEntry& tool : kToolEntries)
        m_toolButtons[tool.Key]->setEnabled(offered(tool.Entry));
    for (const NodeEntry& node : kNodeEntries)
        Picture1->SetNodeEnabled(node.Key, offered(node.Entry));
    UpdateUndoCommands();
}

}  // namespace mox
