#pragma once

#include <QMainWindow>
#include <QMap>
#include <QTimer>
#include <array>
#include <functional>

#include "app/AppState.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace mox {

class NavigationPane;

// Creates one editor window; the main window makes it a child window.
using WindowFactory = std::function<QWidget*()>;

// The multiple-document main window: menus, tool bar, navigation pane, status bar and the child
// windows of the editors. It turns every command into a call of the part of the program that owns it.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(AppState& state, QWidget* parent = nullptr);
    ~frmMain() override;

    // The editors that the program offers, by window name; a command whose window is not registered
    // stays disabled. Commands that are not an editor window register a handler for their menu entry.
    void RegisterWindow(const QString& name, WindowFactory factory);
    void RegisterCommand(const QString& entryName, std::function<void()> handler);

    // Brings an open window of this name to the front; otherwise opens it as a child window and
    // cascades all child windows. Returns the window, or nullptr when no such editor is offered.
    QWidget* ShowOrFocusWindow(const QString& name);
    void CloseWindowByName(const QString& name);
    // Closes every window of the program but this one: child windows and modeless windows.
    void CloseCurAllWindows();
    QWidget* FindWindow(const QString& name) const;
    QList<QWidget*> ChildWindows() const;

    void ShowMainTxt();
    void Change_Language();
    void LoadTree();
    void LoadBKPic();
    void ShowCHInfo(bool rShow);
    // Opens the channel list when the program offers it.
    void OpenChannelList();
    // Runs the language check: when the language changed, re-captions the window, closes every
    // child window and opens the channel list again.
    void TakeLanguageChange();

    QAction* Entry(const QString& name) const;
    QMenu* Menu(const QString& name) const;
    QAction* ToolButton(const QString& key) const;

    QMdiArea* MdiArea;
    NavigationPane* Picture1;
    QToolBar* tbToolBar;
    std::array<QLabel*, 5> Panels{};

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
    void StoreWindowPlace();

    AppState& m_state;
    QMap<QString, QAction*> m_entries;
    QMap<QString, QMenu*> m_menus;
    QMap<QString, QAction*> m_toolButtons;
    QList<QAction*> m_channelEditTools;  // positions 11 to 19 of the tool bar
    QMap<QString, WindowFactory> m_windows;
    QMap<QString, std::function<void()>> m_handlers;
    QTimer m_clock;
    QImage m_background;
};

}  // namespace mox
