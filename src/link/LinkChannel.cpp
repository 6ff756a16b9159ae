#include "link/LinkChannel.h"

#include "link/Packets.h"

namespace mox {

LinkChannel::LinkChannel(AppState& state, SerialPort& port, TimerFactory& timers, PortMap& ports)
    : m_state(state), m_port(port), m_ports(ports) {
    m_waitTimer = timers.Create([this] {
        if (TimedOut)
            TimedOut();
    });
    m_port.BytesArrived = [this] { OnBytesArrived(); };
    m_port.PortLost = [this] {
        m_waitTimer->Stop();
        if (Lost)
            Lost();
    };
}

LinkChannel::~LinkChannel() {
    m_port.BytesArrived = nullptr;
    m_port.PortLost = nullptr;
}

bool LinkChannel::Open(const LinkSettings& settings) {
    Close();
    PortSettings port;
    port.DevicePath = m_ports.DevicePath(settings.PortNumber);
    port.Handshaking = settings.Handshaking;
    port.StopBits = settings.StopBits;
    if (port.DevicePath.empty() || !m_port.Open(port))
        return false;
    m_state.Transfer.ExpectedReplyLength = 1;
    m_port.SetReceiveThreshold(1);
    return true;
}

void LinkChannel::Close() {
    if (m_port.IsOpen())
        m_port.Close();
}

bool LinkChannel::IsOpen() const {
    return m_port.IsOpen();
}

void LinkChannel::Send(const Bytes& request, std::size_t replyLength) {
    m_waitTimer->Start(kReplyTimeoutMs);
    m_port.DiscardBuffers();
    m_state.Transfer.ExpectedReplyLength = replyLength;
    m_port.SetReceiveThreshold(replyLength);
    m_port.Write(request);
}

void LinkChannel::SendProgram() {
    m_state.Transfer.Waiting = true;
    Send(ProgramRequest(), kProgramAckLength);
}

void LinkChannel::SendWithoutWaiting(const Bytes& request) {
    if (!m_port.IsOpen())
        return;
    m_port.DiscardBuffers();
    m_port.Write(request);
}

void LinkChannel::StopTimer() {
    m_waitTimer->Stop();
}

void LinkChannel::OnBytesArrived() {
    const Bytes buffered = m_port.ReadAll();
    const std::size_t length = m_state.Transfer.ExpectedReplyLength;
    if (buffered.size() < length || !ReplyArrived)
        return;
    ReplyArrived(Bytes(buffered.begin(), buffered.begin() + static_cast<std::ptrdiff_t>(length)));
}

}  // namespace mox
