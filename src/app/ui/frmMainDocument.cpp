// The main window's document: new data, what the file commands and the link ask of it, and closing.
#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/NewRadioData.h"
#include "app/WindowPlacement.h"
#include "app/ui/frmMain.h"
#include "files/FileCommands.h"
#include "link/TransferEngine.h"
#include "widgets/Twips.h"

namespace mox {

namespace {

// The child windows wait for this long to close before new data replaces the records they show.
constexpr int kNewDocDelayMs = 100;

Today SystemToday() {
    const QDate date = QDate::currentDate();
    return Today{QLocale::system().toString(date, QLocale::ShortFormat).toStdString(), date.month()};
}

}  // namespace

bool frmMain::HasMethod(const QWidget* window, const char* signature) {
    return window != nullptr && window->metaObject()->indexOfMethod(signature) >= 0;
}

void frmMain::LoadNewDoc() {
    CloseCurAllWindows();
    NewDocTimer.start(kNewDocDelayMs);
}

void frmMain::OnNewDocTimer() {
    NewDocTimer.stop();
    NewRadioData(m_state, m_state.InitialiseCommand, SystemToday());
    SetCaptions();
    OpenChannelList();
    ShowMainTxt();
    ArrangeCascade();
    m_state.InitialiseCommand = false;
}

void frmMain::LoadNewDoc2() {
    NewRadioData(m_state, false, SystemToday());
    SetCaptions();
    OpenChannelList();
    ShowMainTxt();
}

// The window of the last read closes when a new read starts; its new data open a new one. While a
// transfer runs nothing starts, and the open window stays.
void frmMain::ReadRMGDataFromRadio() {
    m_engine->ReadRMGDataFromRadio([this] { CloseWindowByName("FrmRadioInfo"); });
}

void frmMain::ArrangeCascade() {
    MdiArea->cascadeSubWindows();
}

void frmMain::CommitEdits(const QList<QWidget*>& windows) {
    for (QWidget* window : windows) {
        if (HasMethod(window, "CommitEdit()"))
            QMetaObject::invokeMethod(window, "CommitEdit");
    }
}

void frmMain::CommitChannelEdit() {
    CommitEdits({FindWindow("frmCommChInfo")});
}

void frmMain::CommitAllEditors() {
    CommitEdits(ChildWindows());
}

void frmMain::ChannelChanged(int number) {
    if (QWidget* list = FindWindow("frmCommChInfo"); HasMethod(list, "reShowGrid(int)"))
        QMetaObject::invokeMethod(list, "reShowGrid", Q_ARG(int, number));
    EditPositionChanged();
}

void frmMain::EditPositionChanged() {
    if (QWidget* editor = FindWindow("FrmCHInfoEdit"); HasMethod(editor, "SetGridEditData(bool)"))
        QMetaObject::invokeMethod(editor, "SetGridEditData", Q_ARG(bool, true));
}

void frmMain::EditGroupChanged() {
    if (QWidget* list = FindWindow("frmCommChInfo"); HasMethod(list, "ChangeGroup()"))
        QMetaObject::invokeMethod(list, "ChangeGroup");
}

void frmMain::ChannelReferencesChanged() {
    for (const char* name : {"FrmScan", "FrmAlert"}) {
        if (QWidget* window = FindWindow(name); HasMethod(window, "ReshowByCh()"))
            QMetaObject::invokeMethod(window, "ReshowByCh");
    }
}

void frmMain::ShowReadData() {
    Change_Language();
    OpenChannelList();
    ArrangeCascade();
}

void frmMain::ShowRadioInfoWindow() {
    ShowOrFocusWindow("FrmRadioInfo");
}

void frmMain::ShowPortStatus(const std::string& text) {
    Panels[2]->setText(QString::fromStdString(text));
}

bool frmMain::SaveData() {
    return FileSave(m_state, m_devices.Dialogs, *this);
}

void frmMain::ClosePort() {
    m_devices.Port.CloseNow();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Radios are being written: closing now would leave them half written. The window that writes
    // them comes forward instead; its Stop ends the run after the radios in hand.
    if (m_state.Document.Locked) {
        event->ignore();
        OpenFleetWindow();
        return;
    }
    std::optional<WindowPlacement> placement;
    if (!isMinimized())
        placement = WindowPlacement{PixelsToTwips(x()), PixelsToTwips(y()), PixelsToTwips(width()),
                                    PixelsToTwips(height())};
    if (!RunShutdown(m_state, m_devices.Store, *this, placement)) {
        event->ignore();
        return;
    }
    m_clock.stop();
    event->accept();
    emit Closed();
}

}  // namespace mox
