#include "link/FleetPort.h"

#include <chrono>

#include "link/FleetPrompter.h"
#include "link/FleetRun.h"
#include "link/TransferEngine.h"
#include "services/Texts.h"

namespace mox {

namespace {

// In repeat mode the next radio is called for once a second.
constexpr int kCallIntervalMs = 1000;
// How often a port looks at its radio's transfer: the percentage and the end.
constexpr int kWatchMs = 20;
// A transfer that ended without a message from the radio or the program.
constexpr int kNoReasonText = 32122;

// The progress window of one radio: only the percentage matters.
class PortProgress : public ProgressView {
public:
    explicit PortProgress(std::function<void(int)> onPercent) : m_onPercent(std::move(onPercent)) {}
    void OpenModal(const std::string&, std::function<void()> onShown) override { onShown(); }
    void SetCaption(const std::string&) override {}
    void SetPercent(int percent) override { m_onPercent(percent); }
    void Close() override {}

private:
    std::function<void(int)> m_onPercent;
};

// A radio of a fleet has no windows to commit, close or open.
class QuietShell : public LinkShell {
public:
    void CommitChannelEdit() override {}
    void CommitAllEditors() override {}
    void CloseCurAllWindows() override {}
    void ShowReadData() override {}
    void ShowRadioInfoWindow() override {}
    void ShowPortStatus(const std::string&) override {}
};

}  // namespace

void CopyDocumentForRadio(const LinkContext& document, int portNumber, LinkContext& radio) {
    radio.ExecutableName = document.ExecutableName;
    radio.DocumentsFolder = document.DocumentsFolder;
    radio.VistaFlag = document.VistaFlag;
    radio.Versions = document.Versions;
    radio.Paths = document.Paths;
    radio.Language = document.Language;
    static_cast<RadioRecords&>(radio) = document;
    static_cast<FactoryState&>(radio) = document;
    radio.SavedData = document.SavedData;
    radio.SavedCompanion = document.SavedCompanion;
    radio.Document = document.Document;
    radio.Link = document.Link;
    radio.Link.PortNumber = portNumber;
    radio.ProgrammingPassword = document.ProgrammingPassword;
}

struct FleetPort::Radio {
    Radio(FleetPort& owner, const FleetPlan& plan)
        : Prompter(plan.AgreeToBandQuestion), Progress([&owner](int percent) { owner.OnPercent(percent); }) {}

    LinkContext Context;
    FleetPrompter Prompter;
    PortProgress Progress;
    QuietShell Shell;
    std::unique_ptr<TransferEngine> Engine;
    std::int64_t StartedAt = 0;
};

FleetPort::FleetPort(FleetRun& run, int portNumber, std::unique_ptr<SerialPort> port)
    : m_run(run), m_port(std::move(port)), m_presence(*m_port, run.Timers(), run.Ports()) {
    m_status.PortNumber = portNumber;
    m_callTimer = run.Timers().Create([this] { CallForRadio(); });
    m_watchTimer = run.Timers().Create([this] { WatchRadio(); });
}

FleetPort::~FleetPort() {
    m_presence.Cancel();
    m_radio.reset();
}

void FleetPort::Start() {
    if (!m_run.Plan().Repeat) {
        StartRadio();
        return;
    }
    SetState(FleetPortState::WaitingForRadio, 0);
    CallForRadio();
}

void FleetPort::Stop() {
    m_stopping = true;
    if (m_radio)
        return;
    m_callTimer->Stop();
    m_presence.Cancel();
    SetState(FleetPortState::Finished, m_status.Percent);
}

// The handshake alone, without a message when nothing answers.
void FleetPort::CallForRadio() {
    m_calledAt = m_run.RunClock().NowMilliseconds();
    LinkSettings settings = m_run.Document().Link;
    settings.PortNumber = m_status.PortNumber;
    m_presence.Call(settings, [this](bool present) { OnCalled(present); });
}

void FleetPort::OnCalled(bool present) {
    if (m_stopping)
        return;
    if (m_status.State == FleetPortState::WaitingForRadio && present) {
        StartRadio();
        return;
    }
    // The radio just written still answers until it is taken off the cable.
    if (m_status.State == FleetPortState::WaitingForRemoval && !present)
        SetState(FleetPortState::WaitingForRadio, 0);
    const std::int64_t took = m_run.RunClock().NowMilliseconds() - m_calledAt;
    m_callTimer->Start(static_cast<int>(std::max<std::int64_t>(0, kCallIntervalMs - took)));
}

void FleetPort::StartRadio() {
    if (!m_run.TakeRadio()) {
        SetState(FleetPortState::Finished, m_status.Percent);
        return;
    }
    const FleetPlan& plan = m_run.Plan();
    m_radio = std::make_unique<Radio>(*this, plan);
    CopyDocumentForRadio(m_run.Document(), m_status.PortNumber, m_radio->Context);
    m_radio->Context.Prompts = &m_radio->Prompter;
    m_radio->Engine = std::make_unique<TransferEngine>(m_radio->Context, *m_port, m_run.Timers(),
                                                       m_run.Ports(), m_radio->Shell, m_radio->Progress);
    m_radio->Engine->SetOptions(plan.Options);
    m_radio->StartedAt = m_run.RunClock().NowMilliseconds();
    SetState(plan.Job == FleetJob::Write ? FleetPortState::Writing : FleetPortState::Reading, 0);
    if (plan.Job == FleetJob::Write)
        m_radio->Engine->WriteToRadio();
    else
        m_radio->Engine->ReadFromRadio();
    m_watchTimer->Start(kWatchMs);
}

// Follows the transfer's kind (a write reads the radio back to verify it) and sees it end; the engine
// is dropped from this timer, never from inside one of its own handlers.
void FleetPort::WatchRadio() {
    if (!m_radio)
        return;
    if (!m_radio->Engine->IsBusy()) {
        FinishRadio();
        return;
    }
    FleetPortState state = m_status.State;
    switch (m_radio->Context.Transfer.Kind) {
        case TransferKind::WriteImage:
            state = FleetPortState::Writing;
            break;
        case TransferKind::ReadImage:
            state = m_run.Plan().Job == FleetJob::Write ? FleetPortState::Verifying : FleetPortState::Reading;
            break;
        case TransferKind::SettingsSearch:
            state = FleetPortState::Searching;
            break;
        default:
            break;
    }
    if (state != m_status.State)
        SetState(state, state == FleetPortState::Verifying ? 0 : m_status.Percent);
    m_watchTimer->Start(kWatchMs);
}

void FleetPort::FinishRadio() {
    FleetRadioResult result = ResultOf(*m_radio);
    m_radio.reset();
    m_run.Record(result);
    AfterRadio();
}

FleetRadioResult FleetPort::ResultOf(Radio& radio) const {
    FleetRadioResult result;
    result.PortNumber = m_status.PortNumber;
    result.Identity = radio.Context.Transfer.Identity;
    result.Milliseconds = m_run.RunClock().NowMilliseconds() - radio.StartedAt;
    result.EndedAt = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    const FleetPlan& plan = m_run.Plan();
    if (!radio.Prompter.Succeeded()) {
        result.Reason = radio.Prompter.Reason().empty() ? GetLanguageText(radio.Context, kNoReasonText)
                                                        : radio.Prompter.Reason();
        return result;
    }
    if (plan.Job == FleetJob::Write) {
        result.Outcome = plan.Options.VerifyAfterWrite ? FleetOutcome::Verified : FleetOutcome::Written;
        return result;
    }
    result.Reason = m_run.KeepRead ? m_run.KeepRead(m_status.PortNumber, radio.Context) : std::string();
    if (result.Reason.empty())
        result.Outcome = FleetOutcome::Read;
    return result;
}

void FleetPort::AfterRadio() {
    if (m_stopping || !m_run.Plan().Repeat) {
        SetState(FleetPortState::Finished, m_status.Percent);
        return;
    }
    SetState(FleetPortState::WaitingForRemoval, m_status.Percent);
    m_callTimer->Start(kCallIntervalMs);
}

void FleetPort::SetState(FleetPortState state, int percent) {
    m_status.State = state;
    m_status.Percent = percent;
    m_run.View().PortChanged(m_status);
}

void FleetPort::OnPercent(int percent) {
    if (percent == m_status.Percent)
        return;
    m_status.Percent = percent;
    m_run.View().PortChanged(m_status);
}

}  // namespace mox
