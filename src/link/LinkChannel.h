#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "link/LinkEvents.h"
#include "link/LinkSettings.h"
#include "link/PortMap.h"
#include "link/SerialPort.h"
#include "link/Timer.h"
#include "link/TrafficRecorder.h"
#include "link/TransferState.h"

namespace mox {

// The radio needs up to 150 ms to answer any request at 9600 baud.
constexpr int kReplyTimeoutMs = 150;

// The main window's serial port as the read/write protocol uses it: opened with the link settings,
// one request at a time, each with the reply timer `WaitTimer` and a receive threshold of the length
// of the expected reply. Replies, time-outs and a lost port reach the protocol one at a time through
// the link's event queue.
class LinkChannel {
public:
    // The channel keeps the reply it waits for, and whether it waits, in the transfer state.
    LinkChannel(TransferState& transfer, SerialPort& port, TimerFactory& timers, PortMap& ports);
    ~LinkChannel();
    LinkChannel(const LinkChannel&) = delete;
    LinkChannel& operator=(const LinkChannel&) = delete;

    // Closes the port if it is open and opens it with these settings, 9600 baud, no parity, 8 data
    // bits, receive threshold 1. False when the port number names no device or the device cannot be
    // opened.
    bool Open(const LinkSettings& settings);
    // Why the last Open failed; Error None after one that succeeded.
    const PortOpenFailure& LastOpenFailure() const { return m_openFailure; }
    // Closes at once: nothing written is still needed, and output held back by handshaking would keep
    // the close waiting.
    void Close();
    bool IsOpen() const;

    // Starts the reply timer, drops whatever is buffered, waits for `replyLength` bytes and sends.
    void Send(const Bytes& request, std::size_t replyLength);
    // "PROGRAM" also starts the waiting for replies.
    void SendProgram();
    // The end request of a failed transfer: nobody waits for the radio's acknowledgement, but the
    // request leaves the port before it closes.
    void SendAndClose(const Bytes& request);
    void StopTimer();

    // A transfer starts, starts again from "PROGRAM" or ends. A handler that asked the user something,
    // and an event that waited meanwhile, belong to the run in which they began.
    void NewRun() { ++m_run; }
    std::uint64_t Run() const { return m_run; }

    // Runs a handler of the link now, or once the running one has returned.
    void Post(std::function<void()> event) { m_events.Post(std::move(event)); }
    // A handler of the link runs, or events wait for one.
    bool HandlerRunning() const { return m_events.Busy(); }

    // The reply timer ran out.
    std::function<void()> TimedOut;
    // The first threshold bytes of what has arrived.
    std::function<void(const Bytes&)> ReplyArrived;
    // The port failed while open.
    std::function<void()> Lost;
    // Hears what is sent and received; null: nobody listens.
    TrafficRecorder* Recorder = nullptr;

private:
    void OnBytesArrived();
    void OnPortLost(std::uint64_t run);
    // Bytes of an unfinished reply are dropped; the record keeps them.
    void DropReceived();

    TransferState& m_transfer;
    SerialPort& m_port;
    PortMap& m_ports;
    LinkEvents m_events;
    std::unique_ptr<OneShotTimer> m_waitTimer;
    std::uint64_t m_run = 0;
    PortOpenFailure m_openFailure;
    // What has arrived of the awaited reply, for ports that report bytes before the threshold.
    Bytes m_received;
};

}  // namespace mox
