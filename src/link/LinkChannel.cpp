#include "link/LinkChannel.h"

#include "link/Packets.h"
#include "link/PortDiagnostics.h"

namespace mox {

namespace {

// The end request needs 3 ms on the line. A line that handshaking holds back longer than this would
// not let it out before the radio leaves programming mode by itself.
constexpr int kEndRequestSendMs = 100;

}  // namespace

LinkChannel::LinkChannel(TransferState& transfer, SerialPort& port, TimerFactory& timers, PortMap& ports)
    : m_transfer(transfer), m_port(port), m_ports(ports) {
    m_waitTimer = timers.Create([this] {
        Post([this] {
            if (TimedOut)
                TimedOut();
        });
    });
    m_port.BytesArrived = [this] { Post([this] { OnBytesArrived(); }); };
    m_port.PortLost = [this] { Post([this, run = m_run] { OnPortLost(run); }); };
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
    m_openFailure = {};
    if (port.DevicePath.empty()) {
        m_openFailure = MissingDeviceFailure(m_ports, settings.PortNumber);
        return false;
    }
    if (!m_port.Open(port)) {
        m_openFailure = m_port.LastOpenFailure();
        return false;
    }
    m_received.clear();
    m_transfer.ExpectedReplyLength = 1;
    m_port.SetReceiveThreshold(1);
    return true;
}

void LinkChannel::Close() {
    DropReceived();
    m_port.CloseNow();
}

bool LinkChannel::IsOpen() const {
    return m_port.IsOpen();
}

void LinkChannel::Send(const Bytes& request, std::size_t replyLength) {
    m_waitTimer->Start(kReplyTimeoutMs);
    // A record of the traffic keeps the late bytes that are thrown away here.
    if (Recorder && m_port.IsOpen()) {
        const Bytes late = m_port.ReadAll();
        m_received.insert(m_received.end(), late.begin(), late.end());
    }
    m_port.DiscardBuffers();
    DropReceived();
    m_transfer.ExpectedReplyLength = replyLength;
    m_port.SetReceiveThreshold(replyLength);
    if (Recorder)
        Recorder->Sent(request);
    m_port.Write(request);
}

void LinkChannel::SendProgram() {
    m_transfer.Waiting = true;
    Send(ProgramRequest(), kProgramAckLength);
}

void LinkChannel::SendAndClose(const Bytes& request) {
    if (!m_port.IsOpen())
        return;
    m_port.DiscardBuffers();
    if (Recorder)
        Recorder->Sent(request);
    m_port.Write(request);
    const bool sent = m_port.WaitUntilSent(kEndRequestSendMs);
    DropReceived();
    // A request that has left leaves nothing to drop, and dropping would reach into what a
    // pseudo-terminal has yet to hand over; a request still held back is dropped.
    if (sent)
        m_port.Close();
    else
        m_port.CloseNow();
}

void LinkChannel::StopTimer() {
    m_waitTimer->Stop();
}

void LinkChannel::OnBytesArrived() {
    const Bytes arrived = m_port.ReadAll();
    m_received.insert(m_received.end(), arrived.begin(), arrived.end());
    const std::size_t length = m_transfer.ExpectedReplyLength;
    if (m_received.size() < length)
        return;
    const Bytes reply(m_received.begin(), m_received.begin() + static_cast<std::ptrdiff_t>(length));
    // What came with the reply answers no request.
    m_received.erase(m_received.begin(), m_received.begin() + static_cast<std::ptrdiff_t>(length));
    if (Recorder)
        Recorder->Received(reply);
    DropReceived();
    if (ReplyArrived)
        ReplyArrived(reply);
}

void LinkChannel::DropReceived() {
    if (Recorder && !m_received.empty())
        Recorder->Received(m_received);
    m_received.clear();
}

// A loss that waited while the transfer started again, with the port opened anew, or ended, is over.
void LinkChannel::OnPortLost(std::uint64_t run) {
    if (run != m_run)
        return;
    StopTimer();
    if (Lost)
        Lost();
}

}  // namespace mox
