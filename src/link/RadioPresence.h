#pragma once

#include <functional>
#include <memory>

#include "link/LinkSettings.h"
#include "link/PortMap.h"
#include "link/SerialPort.h"
#include "link/Timer.h"

namespace mox {

// Looks whether a radio is on a port, without a word to the user: the port is opened with the link
// settings, "PROGRAM" is sent once, and the acknowledgement within 300 ms means a radio is there. A
// radio that answered is sent the end request so that it leaves programming mode again; the port is
// closed either way. A port that cannot be opened (an adapter pulled, a simulator stopped) has no
// radio.
class RadioPresence {
public:
    RadioPresence(SerialPort& port, TimerFactory& timers, PortMap& ports);
    ~RadioPresence();
    RadioPresence(const RadioPresence&) = delete;
    RadioPresence& operator=(const RadioPresence&) = delete;

    // `answered` is called once, from an event of the port or the timer (or at once when the port
    // does not open).
    void Call(const LinkSettings& settings, std::function<void(bool present)> answered);
    // Drops a call in progress; its `answered` is never called.
    void Cancel();
    bool IsCalling() const { return static_cast<bool>(m_answered); }

private:
    void OnBytesArrived();
    // The answer is handed over from an event of its own, never from inside the port's notification,
    // so that whoever hears it may take the port over at once.
    void Conclude(bool present);
    void Finish();

    SerialPort& m_port;
    PortMap& m_ports;
    std::unique_ptr<OneShotTimer> m_waitTimer;
    std::unique_ptr<OneShotTimer> m_doneTimer;
    std::function<void(bool)> m_answered;
    Bytes m_received;
    bool m_present = false;
};

}  // namespace mox
