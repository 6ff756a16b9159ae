#include "app/ui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

#include "app/LanguageChoice.h"
#include "app/MainWindowTexts.h"
#include "app/NavigationTree.h"
#include "app/TransferChoices.h"
#include "app/WindowPlacement.h"
#include "app/ui/BackgroundPicture.h"
#include "app/ui/NavigationPane.h"
#include "app/ui/ProgramIcons.h"
#include "files/DocumentEdits.h"
#include "image/Models.h"
#include "link/LinkSettingsFile.h"
#include "link/TransferEngine.h"
#include "link/ui/FrmProgress.h"
#include "services/SetupFile.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

// The width the navigation pane starts with, in twips.
constexpr int kPaneWidthTwips = 3300;

}  // namespace

frmMain::frmMain(AppState& state, const MainWindowDevices& devices, QWidget* parent)
    : QMainWindow(parent),
      Ports(state.Paths.SetupFile, devices.Enumerator),
      m_state(state),
      m_devices(devices),
      m_previousViews(state.Redraw),
      m_previousStore(state.UserStore) {
    m_state.Redraw = this;
    m_state.UserStore = &m_devices.Store;
    setObjectName("frmMain");
    setWindowIcon(ProgramIcon(state.Paths.ProgramFolder, "App"));

    auto* client = new QWidget(this);
    Picture1 = new NavigationPane(state.Paths.ProgramFolder, client);
    Picture1->setFixedWidth(TwipsToPixels(kPaneWidthTwips));
    MdiArea = new QMdiArea(client);
    MdiArea->setObjectName("MdiArea");
    // A child window larger than the free area stays reachable.
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Picture1);
    layout->addWidget(MdiArea, 1);
    setCentralWidget(client);

    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    ConnectCommands();
    connect(Picture1, &NavigationPane::NodeClicked, this, &frmMain::OnTreeNode);
    connect(Picture1, &NavigationPane::CloseClicked, this, [this] {
        Picture1->hide();
        Entry("mnuTreeView")->setChecked(false);
    });
    connect(Picture1->CommandMove, &PaneSplitter::Dragged, this, &frmMain::OnPaneDragged);
    connect(&m_clock, &QTimer::timeout, this, &frmMain::UpdateClock);
    m_clock.start(1000);
    NewDocTimer.setSingleShot(true);
    connect(&NewDocTimer, &QTimer::timeout, this, &frmMain::OnNewDocTimer);
    m_progress = std::make_unique<ProgressWindow>(m_state, [this] { return this; });
    m_engine = std::make_unique<TransferEngine>(m_state, m_devices.Port, m_devices.Timers, Ports, *this,
                                                *m_progress);
    m_trace = std::make_unique<SerialTraceFile>(
        SerialTraceFile::InFolder(m_traceClock, TraceFolderOf(m_devices.UserData)));
    ApplyTransferChoices();
    ShowCHInfo(false);
    UpdateClock();
}

void frmMain::MDIForm_Load() {
    Entry("mnuTestData")->setVisible(m_state.FactoryTestMode);
    PlaceWindow();
    SetCaptions();
    LoadTree();
    LoadNewDoc2();
}

// The child windows go first, while the main window they call as they go (the channel list hides the
// channel commands when it stops being active) is still whole.
frmMain::~frmMain() {
    qDeleteAll(MdiArea->subWindowList());
    m_state.Redraw = m_previousViews;
    m_state.UserStore = m_previousStore;
}

void frmMain::RegisterWindow(const QString& name, WindowFactory factory) {
    m_windows.insert(name, std::move(factory));
    UpdateCommandAvailability();
}

void frmMain::RegisterCommand(const QString& entryName, std::function<void()> handler) {
    m_handlers.insert(entryName, std::move(handler));
    UpdateCommandAvailability();
}

QWidget* frmMain::FindWindow(const QString& name) const {
    for (QMdiSubWindow* sub : MdiArea->subWindowList()) {
        if (sub->widget() != nullptr && sub->widget()->objectName() == name)
            return sub->widget();
    }
    return nullptr;
}

QList<QWidget*> frmMain::ChildWindows() const {
    QList<QWidget*> windows;
    for (QMdiSubWindow* sub : MdiArea->subWindowList()) {
        if (sub->widget() != nullptr)
            windows.append(sub->widget());
    }
    return windows;
}

QWidget* frmMain::ShowOrFocusWindow(const QString& name) {
    if (QWidget* open = FindWindow(name)) {
        auto* sub = qobject_cast<QMdiSubWindow*>(open->parentWidget());
        MdiArea->setActiveSubWindow(sub);
        sub->raise();
        open->setFocus();
        return open;
    }
    const auto factory = m_windows.constFind(name);
    if (factory == m_windows.constEnd())
        return nullptr;
    QWidget* window = (*factory)();
    // What an opening window writes back of the values it shows is no edit of the user's.
    AbsorbEdits(m_state);
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = MdiArea->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A form that closes itself (its Close button) takes its frame along; the frame would otherwise stay
    // on screen empty and be listed in the Window menu. The frame goes once the form is gone, so it does
    // not ask the closed form again.
    connect(window, &QObject::destroyed, sub, &QMdiSubWindow::close, Qt::QueuedConnection);
    window->show();
    MdiArea->cascadeSubWindows();
    MdiArea->setActiveSubWindow(sub);
    return window;
}

void frmMain::CloseWindowByName(const QString& name) {
    for (QMdiSubWindow* sub : MdiArea->subWindowList()) {
        if (sub->widget() != nullptr && sub->widget()->objectName() == name)
            sub->close();
    }
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget>& window : windows) {
        if (!window.isNull() && window != this && window->isVisible() && window->objectName() == name)
            window->close();
    }
}

void frmMain::CloseCurAllWindows() {
    MdiArea->closeAllSubWindows();
    // Modeless windows outside the frame close too; a modal dialog or message box that is being
    // answered stays, its caller is still waiting for it. A window may take others with it as it
    // closes, so each is looked at only while it still exists.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget>& window : windows) {
        if (window.isNull() || window == this || !window->isVisible() || window->isModal())
            continue;
        if (window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
            continue;
        window->close();
    }
}

void frmMain::ShowMainTxt() {
    setWindowTitle(QString::fromStdString(MainCaption(m_state)));
    Picture1->SetTitle(QString::fromStdString(ModelDisplayName(m_state.Model.ModelCode)));
}

void frmMain::Change_Language() {
    SetCaptions();
    LoadTree();
}

void frmMain::LoadTree() {
    Picture1->SetNodes(NavigationNodes(m_state));
    Picture1->SetTitle(Picture1->Label1->text());
    Entry("MnuDTMF")->setVisible(true);
    UpdateCommandAvailability();
}

void frmMain::LoadBKPic() {
    m_background =
        TileBackground(LoadBackgroundPicture(m_state.Paths.ProgramFolder, m_state.Language.CurrentLanguage,
                                             devicePixelRatioF()),
                       size());
    MdiArea->setBackground(m_background.isNull() ? palette().brush(QPalette::Dark) : QBrush(m_background));
}

void frmMain::ShowCHInfo(bool rShow) {
    Menu("MnuCHEdit")->menuAction()->setVisible(rShow);
    for (QAction* tool : m_channelEditTools)
        tool->setVisible(rShow);
}

void frmMain::OpenChannelList() {
    ShowOrFocusWindow("frmCommChInfo");
}

QAction* frmMain::Entry(const QString& name) const {
    return m_entries.value(name);
}

QMenu* frmMain::Menu(const QString& name) const {
    return m_menus.value(name);
}

QAction* frmMain::ToolButton(const QString& key) const {
    return m_toolButtons.value(key);
}

void frmMain::TakeLanguageChange() {
    if (!mox::TakeLanguageChange(m_state.Language))
        return;
    Change_Language();
    CloseCurAllWindows();
    OpenChannelList();
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        TakeLanguageChange();
}

// A resize leaves the reply timer of a running transfer alone: without it a lost reply would stall the
// transfer behind its modal progress window for good.
void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LoadBKPic();
}

void frmMain::UpdateClock() {
    const QDateTime now = QDateTime::currentDateTime();
    Panels[3]->setText(QLocale::system().toString(now.date(), QLocale::ShortFormat));
    Panels[4]->setText(QLocale::system().toString(now.time(), QLocale::ShortFormat));
}

void frmMain::FillWindowMenu() {
    QMenu* menu = Menu("mnuWindow");
    const QList<QAction*> actions = menu->actions();
    const qsizetype fixed = actions.indexOf(Entry("mnuWindowBar1")) + 1;
    for (qsizetype i = fixed; i < actions.size(); ++i) {
        menu->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    int number = 1;
    for (QMdiSubWindow* sub : MdiArea->subWindowList()) {
        if (sub->widget() == nullptr)
            continue;
        QAction* item = menu->addAction(QString("&%1 %2").arg(number++).arg(sub->windowTitle()));
        item->setCheckable(true);
        item->setChecked(sub == MdiArea->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, sub] { MdiArea->setActiveSubWindow(sub); });
    }
}

void frmMain::OnPaneDragged(int offset) {
    const auto width = DraggedPaneWidth(PixelsToTwips(Picture1->width()), PixelsToTwips(offset),
                                        PixelsToTwips(centralWidget()->width()));
    if (width)
        Picture1->setFixedWidth(TwipsToPixels(*width));
}

void frmMain::PlaceWindow() {
    const WindowPlacement place = ReadMainPlacement(m_devices.Store);
    move(TwipsToPixels(place.Left), TwipsToPixels(place.Top));
    resize(TwipsToPixels(place.Width), TwipsToPixels(place.Height));
}

}  // namespace mox
