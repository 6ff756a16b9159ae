#include "support/qt/GuiFixture.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>

#include "app/ui/QtTranslations.h"
#include "link/LinkSettingsFile.h"
#include "link/PortMap.h"
#include "link/ui/FrmProgress.h"
#include "services/IniFile.h"
#include "services/SetupFile.h"
#include "services/Texts.h"

namespace mox::test {

std::optional<std::string> ScriptedFileDialogs::Next() {
    if (m_answers.empty())
        return std::nullopt;
    auto answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedFileDialogs::OpenFileName(const std::string& filter, const std::string&) {
    ++OpenDialogs;
    Filters.push_back(filter);
    return Next();
}

std::optional<std::string> ScriptedFileDialogs::SaveFileName(const std::string& filter, const std::string&) {
    ++SaveDialogs;
    Filters.push_back(filter);
    return Next();
}

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int LeastTitleBarWidth(const QString& title) {
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    return metrics.horizontalAdvance(title) +
           4 * QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

VirtualTimeDriver::VirtualTimeDriver(VirtualTime& time, int stepMs) {
    QObject::connect(&m_tick, &QTimer::timeout, [&time, stepMs] { time.RunFor(stepMs); });
    m_tick.start(0);
}

VirtualTimeDriver::~VirtualTimeDriver() {
    m_tick.stop();
}

GuiFixture::GuiFixture() {
    folder.InstallLanguageFiles();
    state.Paths = folder.Paths();
    state.Prompts = &prompter;
    state.Versions.Firm = {{"V200", "V200"}};
    state.ProgramTitle = "moxcps test";
    radio = std::make_unique<sim::SimRadio>();
    enumerator.Devices = {kCable};
    port.Attach(kCable, *radio);
    PortMap ports(state.Paths.SetupFile, enumerator);
    state.Link.PortNumber = ports.MapByHand(kCable);
}

GuiFixture::~GuiFixture() {
    if (main)
        main->CloseCurAllWindows();
    main.reset();
    // Qt's own texts back in English for the next test.
    FollowLanguageInQt(kEnglish);
}

void GuiFixture::WriteSetup(const std::string& key, const std::string& value) {
    WriteIniString(state.Paths.SetupFile, "language", key, value);
}

std::string GuiFixture::ReadSetup(const std::string& key) const {
    return ReadIniString(state.Paths.SetupFile, "language", key);
}

frmMain& GuiFixture::Main(const std::function<void(frmMain&)>& registerWindows) {
    main = std::make_unique<frmMain>(
        state, MainWindowDevices{port, enumerator, time, store, dialogs, userData, makePort});
    if (registerWindows)
        registerWindows(*main);
    main->MDIForm_Load();
    main->show();
    return *main;
}

void GuiFixture::RegisterStandIns(frmMain& main, const std::vector<QString>& names) {
    for (const QString& name : names) {
        main.RegisterWindow(name, [name] {
            auto* window = new QWidget;
            window->setWindowTitle(name);
            window->resize(200, 120);
            return window;
        });
    }
}

std::vector<QString> GuiFixture::OpenWindowNamesOf(const frmMain& main) {
    std::vector<QString> names;
    for (QWidget* window : main.ChildWindows())
        names.push_back(window->objectName());
    return names;
}

std::string GuiFixture::Text(int number) const {
    return GetLanguageText(state, number);
}

void GuiFixture::RunTransfer(const char* entry) {
    std::unique_ptr<VirtualTimeDriver> drive;
    WhenModalShows<FrmProgress>(
        [this, &drive](FrmProgress&) { drive = std::make_unique<VirtualTimeDriver>(time); });
    prompter.Answer(MsgAnswer::Ok);
    main->Entry(entry)->trigger();
    time.RunFor(600);
    drive.reset();
    time.RunFor(600);
    Settle();
}

}  // namespace mox::test
