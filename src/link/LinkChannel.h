#pragma once

#include <functional>
#include <memory>

#include "app/AppState.h"
#include "link/PortMap.h"
#include "link/SerialPort.h"
#include "link/Timer.h"

namespace mox {

// The radio needs up to 150 ms to answer any request at 9600 baud.
constexpr int kReplyTimeoutMs = 150;

// The main window's serial port as the read/write protocol uses it: opened with the link settings,
// one request at a time, each with the reply timer `WaitTimer` and a receive threshold of the length
// of the expected reply.
class LinkChannel {
public:
    LinkChannel(AppState& state, SerialPort& port, TimerFactory& timers, PortMap& ports);
    ~LinkChannel();
    LinkChannel(const LinkChannel&) = delete;
    LinkChannel& operator=(const LinkChannel&) = delete;

    // Closes the port if it is open and opens it with these settings, 9600 baud, no parity, 8 data
    // bits, receive threshold 1. False when the port number names no device or the device cannot be
    // opened.
    bool Open(const LinkSettings& settings);
    void Close();
    bool IsOpen() const;

    // Starts the reply timer, drops whatever is buffered, waits for `replyLength` bytes and sends.
    void Send(const Bytes& request, std::size_t replyLength);
    // "PROGRAM" also starts the waiting for replies.
    void SendProgram();
    // The end request of a failed transfer: nobody waits for its acknowledgement.
    void SendWithoutWaiting(const Bytes& request);
    void StopTimer();

    // The reply timer ran out.
    std::function<void()> TimedOut;
    // The first threshold bytes of what has arrived.
    std::function<void(const Bytes&)> ReplyArrived;
    // The port failed while open.
    std::function<void()> Lost;

private:
    void OnBytesArrived();

    AppState& m_state;
    SerialPort& m_port;
    PortMap& m_ports;
    std::unique_ptr<OneShotTimer> m_waitTimer;
};

}  // namespace mox
