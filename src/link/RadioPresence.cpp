#include "link/RadioPresence.h"

#include "link/Packets.h"

namespace mox {

namespace {

// As long as the first-run window waits for the acknowledgement of "PROGRAM".
constexpr int kAnswerWaitMs = 300;
// The end request needs 3 ms on the line.
constexpr int kEndRequestSendMs = 100;

}  // namespace

RadioPresence::RadioPresence(SerialPort& port, TimerFactory& timers, PortMap& ports)
    : m_port(port), m_ports(ports) {
    m_waitTimer = timers.Create([this] { Conclude(false); });
    m_doneTimer = timers.Create([this] { Finish(); });
}

RadioPresence::~RadioPresence() {
    Cancel();
}

void RadioPresence::Call(const LinkSettings& settings, std::function<void(bool present)> answered) {
    Cancel();
    PortSettings port;
    port.DevicePath = m_ports.DevicePath(settings.PortNumber);
    port.Handshaking = settings.Handshaking;
    port.StopBits = settings.StopBits;
    m_answered = std::move(answered);
    m_received.clear();
    m_port.BytesArrived = [this] { OnBytesArrived(); };
    m_port.PortLost = [this] { Conclude(false); };
    if (port.DevicePath.empty() || !m_port.Open(port)) {
        Conclude(false);
        return;
    }
    m_port.DiscardBuffers();
    m_port.SetReceiveThreshold(kProgramAckLength);
    m_port.Write(ProgramRequest());
    m_waitTimer->Start(kAnswerWaitMs);
}

void RadioPresence::Cancel() {
    m_waitTimer->Stop();
    m_doneTimer->Stop();
    m_answered = nullptr;
    m_port.CloseNow();
}

// Only the last three bytes count, as in the first-run window: noise may come before them.
void RadioPresence::OnBytesArrived() {
    if (!m_port.IsOpen())
        return;
    const Bytes bytes = m_port.ReadAll();
    m_received.insert(m_received.end(), bytes.begin(), bytes.end());
    if (!m_answered || m_doneTimer->IsActive() || m_received.size() < kProgramAckLength)
        return;
    const Bytes last(m_received.end() - static_cast<std::ptrdiff_t>(kProgramAckLength), m_received.end());
    if (IsProgramAck(last)) {
        m_port.Write(EndRequest());
        Conclude(true);
    }
}

void RadioPresence::Conclude(bool present) {
    if (!m_answered || m_doneTimer->IsActive())
        return;
    m_waitTimer->Stop();
    m_present = present;
    m_doneTimer->Start(0);
}

void RadioPresence::Finish() {
    std::function<void(bool)> answered = std::move(m_answered);
    m_answered = nullptr;
    if (m_present && m_port.IsOpen())
        m_port.WaitUntilSent(kEndRequestSendMs);
    m_port.CloseNow();
    if (answered)
        answered(m_present);
}

}  // namespace mox
