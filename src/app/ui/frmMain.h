#pragma once

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>

#include "app/AppState.h"
#include "app/ChannelCommand.h"
#include "app/Shutdown.h"
#include "channels/ChannelCommandEnabling.h"
#include "channels/ui/ChannelListHost.h"
#include "files/DocumentWindows.h"
#include "files/FileDialogs.h"
#include "link/LinkViews.h"
#include "link/PortMap.h"
#include "link/SerialPort.h"
#include "link/SerialTraceFile.h"
#include "link/Timer.h"
#include "platform/QtTimers.h"
#include "services/SettingsStore.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace mox {

class NavigationPane;
class ProgressWindow;
class TransferEngine;

// What the main window works with outside itself: the serial port of the link and the system's
// port list, timers, the per-user settings store and the file dialogs.
struct MainWindowDevices {
    SerialPort& Port;
    PortEnumerator& Enumerator;
    TimerFactory& Timers;
    SettingsStore& Store;
    FileDialogs& Dialogs;
    // Where backups and traces are kept; empty: nowhere.
    std::filesystem::path UserData = {};
    // A port of its own for each radio written at once; empty: the system's serial ports.
    std::function<std::unique_ptr<SerialPort>()> MakePort = {};
};

// The multiple-document main window: menus, tool bar, navigation pane, status bar and the child
// windows of the editors. It turns every command into a call of the part of the program that owns it.
class frmMain : public QMainWindow,
                public DocumentWindows,
                public LinkShell,
                public ShutdownShell,
                public Views,
                public ChannelListHost,
                public ChannelCommandShell {
    Q_OBJECT
public:
    frmMain(AppState& state, const MainWindowDevices& devices, QWidget* parent = nullptr);
    ~frmMain() override;
    // Opening: texts, tree and new data with the channel list. The windows the program offers are
    // registered before.
    void MDIForm_Load();

    // The windows that the program offers, by window name; a command whose window is not registered
    // stays disabled. Commands that are not a window register a handler for their menu entry.
    void RegisterWindow(const QString& name, WindowFactory factory) override;
    void RegisterCommand(const QString& entryName, std::function<void()> handler);

    QWidget* ShowOrFocusWindow(const QString& name) override;
    void CloseWindowByName(const QString& name) override;
    QWidget* FindWindow(const QString& name) const override;
    QList<QWidget*> ChildWindows() const;

    void ShowMainTxt() override;
    void Change_Language();
    void LoadTree() override;
    void LoadBKPic();
    void ShowCHInfo(bool rShow) override;
    QMenu* ChannelEditMenu() const override { return Menu("MnuCHEdit"); }
    // Cut and copy need a channel at the position, paste a copied channel; a command the program does
    // not run yet stays disabled.
    void UpdateChannelCommandEnabling(int number) override;
    // Opens the channel list when the program offers it.
    void OpenChannelList() override;
    // Closes every child window and creates new data once they are gone.
    void LoadNewDoc() override;
    // New data when the window opens: no windows to close, no waiting.
    void LoadNewDoc2();
    void ReadRMGDataFromRadio();
    // Runs the language check: when the language changed, re-captions the window, closes every
    // child window and opens the channel list again.
    void TakeLanguageChange();

    // What the file commands and the link ask of the main window.
    void CloseAllChildWindows() override { CloseCurAllWindows(); }
    void ChangeLanguage() override { Change_Language(); }
    void ArrangeCascade() override;
    void CommitChannelEdit() override;
    void CommitAllEditors() override;
    void CloseCurAllWindows() override;
    void ShowReadData() override;
    void ShowRadioInfoWindow() override;
    void ShowPortStatus(const std::string& text) override;
    bool SaveData() override;
    void ClosePort() override;
    // After a channel changed: the channel list redraws its row (reShowGrid) and the channel editor
    // follows (SetGridEditData); after the channel list changed: an open scan or alert window shows
    // its channel choices again (ReshowByCh). Windows that are not open are left out.
    void ChannelChanged(int number) override;
    void ChannelReferencesChanged() override;
    // The channel editor follows the channel list's cell (SetGridEditData(true)); the channel list
    // follows the editor's group (ChangeGroup).
    void EditPositionChanged() override;
    void EditGroupChanged() override;
    // The Undo and Redo entries and buttons name the steps they would take back.
    void HistoryChanged() override;
    // Edit > Undo and Redo: the data of the step go back in place and every open window shows them.
    void UndoLastEdit();
    void RedoLastEdit();

    // No context menu of the tool bar and the menu bar: the View menu alone shows and hides the bars,
    // so its check marks always tell what is on screen.
    QMenu* createPopupMenu() override { return nullptr; }

    QAction* Entry(const QString& name) const;
    QMenu* Menu(const QString& name) const;
    QAction* ToolButton(const QString& key) const;

    QMdiArea* MdiArea;
    NavigationPane* Picture1;
    QToolBar* tbToolBar;
    std::array<QLabel*, 5> Panels{};
    QTimer NewDocTimer;
    // Runs the channel command waiting in ChannelCommand once its menu has closed.
    QTimer TimerCHEdit;
    ChannelCommandCode ChannelCommand = ChannelCommandCode::None;
    PortMap Ports;

    // The channel list stores a pending text edit and hides its in-place editors, before a channel
    // command.
    void SetSaveEditData();

signals:
    // The main window has closed for good (the shutdown went through).
    void Closed();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void ConnectCommands();
    void SetCaptions();
    void UpdateClock();
    void UpdateCommandAvailability();
    void FillWindowMenu();
    void OnTreeNode(const QString& key);
    void OnPaneDragged(int offset);
    void RunEntry(const QString& entryName);
    void PlaceWindow();
    void OnNewDocTimer();
    void ModelInfo();
    void PortSettings();
    void LanguageSettings();
    void Initialise();
    void FileCommand(bool (*command)(DocumentContext&, FileDialogs&, DocumentWindows&));
    // File > Backups...: the chosen backup is opened as Open opens a file.
    void ShowBackups();
    // The Settings menu's check marks and the transfers follow the stored choices.
    void ApplyTransferChoices();
    // The channel commands: each entry commits the channel list's edit and leaves its code for the
    // command timer, which runs it at the channel list's current position.
    void ConnectChannelCommands();
    void QueueChannelCommand(ChannelCommandCode code);
    void OnTimerCHEdit();
    void RunHabitsDialog();
    // Undo and redo: the entries, their shortcuts and tool bar buttons, and what they show.
    void ConnectUndoCommands();
    void UpdateUndoCommands();
    void ShowRestoredData();
    std::optional<ConfirmAnswer> Confirm(ConfirmKind kind) override;
    void RefreshPosition(int group, int position) override;
    void RefreshAll() override;
    void MakeCurrentRow(int position) override;
    // Whether an open window offers this method (windows reach each other by name and method).
    static bool HasMethod(const QWidget* window, const char* signature);
    void ExchangeCommand(const std::function<void()>& command);
    // Program > "Write to several radios...", opened once; while it writes, the document is locked.
    void OpenFleetWindow();
    void SetDocumentLocked(bool locked);
    // Calls CommitEdit() on each of these open windows that has it.
    void CommitEdits(const QList<QWidget*>& windows);

    AppState& m_state;
    MainWindowDevices m_devices;
    Views* m_previousViews;
    SettingsStore* m_previousStore;
    std::unique_ptr<ProgressWindow> m_progress;
    std::unique_ptr<TransferEngine> m_engine;
    QtClock m_traceClock;
    std::unique_ptr<SerialTraceFile> m_trace;
    QMap<QString, QAction*> m_entries;
    QMap<QString, QMenu*> m_menus;
    QMap<QString, QAction*> m_toolButtons;
    QList<QAction*> m_channelEditTools;  // positions 11 to 19 of the tool bar
    ChannelCommandEnabling m_channelCommands;
    QMap<QString, WindowFactory> m_windows;
    QMap<QString, std::function<void()>> m_handlers;
    QTimer m_clock;
    QImage m_background;
    QPointer<QWidget> m_fleetWindow;
};

}  // namespace mox
