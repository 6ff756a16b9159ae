#include "link/FirstRunSearch.h"

#include <algorithm>

#include "link/Packets.h"
#include "link/PortChoiceText.h"
#include "link/PortDiagnostics.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr int kRefreshMs = 1000;
// The radio answers "PROGRAM" well within 300 ms.
constexpr int kLinkWaitMs = 300;
constexpr int kEndDelayMs = 100;
constexpr int kProgramRequests = 4;
constexpr int kVistaPortCount = 255;

}  // namespace

FirstRunSearch::FirstRunSearch(const ProgramServices& program, LinkSettings& link, SerialPort& port,
                               TimerFactory& timers, PortMap& ports, FirstRunView& view)
    : m_program(program), m_link(link), m_port(port), m_ports(ports), m_view(view) {
    m_reCommTimer = timers.Create([this] { RefreshList(); });
    m_linkWaitTimer = timers.Create([this] { OnLinkWait(); });
    m_endTimer = timers.Create([this] { OnEnd(); });
    m_port.BytesArrived = [this] { OnBytesArrived(); };
    m_port.PortLost = [this] { OnPortLost(); };
}

FirstRunSearch::~FirstRunSearch() {
    m_port.BytesArrived = nullptr;
    m_port.PortLost = nullptr;
}

std::string FirstRunSearch::Instructions(const Messages& messages) {
    std::string text = GetLanguageText(messages, 9054) + "\r\n\r\n";
    for (int number = 9050; number <= 9053; ++number) {
        text += GetLanguageText(messages, number);
        if (number != 9053)
            text += "\r\n";
    }
    return text;
}

void FirstRunSearch::Load() {
    RefreshList();
}

void FirstRunSearch::RefreshList() {
    m_numbers.clear();
    m_entries.clear();
    if (m_program.VistaFlag) {
        for (int number = 1; number <= kVistaPortCount; ++number) {
            m_numbers.push_back(number);
            m_entries.push_back(PortChoiceText(number, nullptr));
        }
    } else {
        for (const PortEntry& entry : m_ports.PortEntries()) {
            m_numbers.push_back(entry.Number);
            m_entries.push_back(PortChoiceText(entry.Number, &entry.Device));
        }
        m_reCommTimer->Start(kRefreshMs);
    }
    m_selected = -1;
    if (m_link.PortNumber > 0) {
        if (m_numbers.empty()) {
            SelectEntry(-1);
        } else {
            const auto found = std::find(m_numbers.begin(), m_numbers.end(), m_link.PortNumber);
            SelectEntry(found == m_numbers.end() ? 0 : static_cast<int>(found - m_numbers.begin()));
        }
    }
    m_view.ShowPortEntries(m_entries, m_selected);
}

void FirstRunSearch::SelectEntry(int index) {
    if (index < 0 || index >= static_cast<int>(m_numbers.size())) {
        m_selected = -1;
        m_link.PortNumber = 1;
        return;
    }
    m_selected = index;
    m_link.PortNumber = m_numbers[static_cast<std::size_t>(index)];
}

void FirstRunSearch::OkClicked() {
    LinkSettings& link = m_link;
    link.PortNumber = std::max(link.PortNumber, 1);
    m_linkWaitTimer->Stop();
    m_port.CloseNow();
    PortSettings settings;
    settings.DevicePath = m_ports.DevicePath(link.PortNumber);
    settings.Handshaking = link.Handshaking;
    settings.StopBits = link.StopBits;
    if (settings.DevicePath.empty() || !m_port.Open(settings)) {
        const PortOpenFailure failure = settings.DevicePath.empty()
                                            ? MissingDeviceFailure(m_ports, link.PortNumber)
                                            : m_port.LastOpenFailure();
        ShowText(m_program,
                 WithOpenProblem(m_program, "Cannot Open Communication Port.", link.PortNumber, failure),
                 MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    m_attempts = 0;
    SendProgram();
}

void FirstRunSearch::SendProgram() {
    m_port.DiscardBuffers();
    m_port.SetReceiveThreshold(kProgramAckLength);
    m_port.Write(ProgramRequest());
    m_linkWaitTimer->Start(kLinkWaitMs);
}

void FirstRunSearch::OnLinkWait() {
    if (++m_attempts < kProgramRequests) {
        SendProgram();
        return;
    }
    m_attempts = 0;
    ShowText(m_program, "Communication Error!", MsgButtons::Ok);
}

void FirstRunSearch::OnBytesArrived() {
    const Bytes buffered = m_port.ReadAll();
    // A cable may deliver noise before the answer; only the last three bytes count.
    if (buffered.size() < kProgramAckLength ||
        !IsProgramAck(Bytes(buffered.end() - static_cast<std::ptrdiff_t>(kProgramAckLength), buffered.end())))
        return;
    m_linkWaitTimer->Stop();
    m_link.IsFirstRun = false;
    m_endTimer->Start(kEndDelayMs);
}

void FirstRunSearch::OnEnd() {
    Closed();
    m_view.CloseWindow();
}

// An adapter pulled out while the radio is being called is reported like a radio that does not
// answer; the user may pick another port.
void FirstRunSearch::OnPortLost() {
    if (!m_linkWaitTimer->IsActive())
        return;
    m_linkWaitTimer->Stop();
    m_attempts = 0;
    ShowText(m_program, "Communication Error!", MsgButtons::Ok);
}

void FirstRunSearch::Closed() {
    m_reCommTimer->Stop();
    m_linkWaitTimer->Stop();
    m_endTimer->Stop();
    m_port.CloseNow();
}

}  // namespace mox
