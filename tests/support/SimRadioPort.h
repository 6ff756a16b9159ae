#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "SimRadio.h"
#include "link/SerialPort.h"
#include "support/VirtualTime.h"

namespace mox::test {

// A serial port whose devices are cables to simulated radios, in virtual time: a request reaches the
// radio after its wire time at 9600 baud (10 bits a byte) and the reply arrives after its own. The
// radio understands the bytes only when the port's stop bits and handshaking are the ones it needs;
// otherwise it hears garbage and stays silent.
class SimRadioPort : public SerialPort {
public:
    explicit SimRadioPort(VirtualTime& time) : m_time(time) {}

    // A device with this radio at the other end of the cable.
    void Attach(const std::string& devicePath, sim::SimRadio& radio);
    // A device that opens but where nothing answers.
    void AddSilentDevice(const std::string& devicePath);
    // The device refuses to open (held by another program).
    void RefuseOpen(const std::string& devicePath);
    // The device refuses to open for this reason, as the system would tell it.
    void FailOpen(const std::string& devicePath, PortOpenFailure failure);
    // The device disappears; when it is the open one the port fails now.
    void Unplug(const std::string& devicePath);
    // A cable without the handshaking lines: under RTS/CTS (handshaking 2 or 3) nothing written ever
    // leaves the port.
    void ThreeWireCable(const std::string& devicePath);

    bool Open(const PortSettings& settings) override;
    void Close() override;
    bool IsOpen() const override { return m_open; }
    void Write(const Bytes& bytes) override;
    bool WaitUntilSent(int milliseconds) override;
    void DiscardBuffers() override;
    void SetReceiveThreshold(std::size_t count) override { m_threshold = count; }
    Bytes ReadAll() override;
    PortOpenFailure LastOpenFailure() const override { return m_openFailure; }

    // The milliseconds `count` bytes take on the line.
    static std::int64_t WireTimeMs(std::size_t count);

    // Each reply byte arrives on its own, and the port reports every byte as it comes whatever the
    // threshold, as a port without a receive threshold does.
    bool DeliverByteByByte = false;
    // Changes what the radio answers to a request before it goes on the line.
    std::function<Bytes(const Bytes& request, const Bytes& reply)> Answering;

    std::vector<Bytes> Written;           // every write, in order
    std::vector<std::int64_t> WrittenAt;  // the time of each write
    std::vector<PortSettings> Openings;   // every successful opening
    std::vector<std::int64_t> HeardAt;    // when each request reached a radio that understood it
    std::vector<std::string> OpenFailures;
    int BlockedCloses = 0;  // closes that a real driver would hold until the output has left
    int LongestWaitMs = 0;  // the longest wait for output to leave
    const PortSettings& Settings() const { return m_settings; }

private:
    struct Device {
        sim::SimRadio* Radio = nullptr;
        std::optional<PortOpenFailure> Refusal;
        bool ThreeWire = false;
    };

    bool OutputHeld() const;
    void RadioHears(const std::string& devicePath, PortSettings settings, std::uint64_t session,
                    const Bytes& bytes);
    void Arrive(std::uint64_t session, const Bytes& bytes);
    // Schedules an action on the virtual clock that is dropped when this port is gone by then: a fleet
    // of radios destroys a radio's port while bytes to or from it are still on the line.
    void Later(std::int64_t delayMs, std::function<void()> action);

    VirtualTime& m_time;
    std::map<std::string, Device> m_devices;
    PortSettings m_settings;
    bool m_open = false;
    std::uint64_t m_session = 0;
    std::int64_t m_lineFreeAt = 0;
    std::size_t m_threshold = 1;
    PortOpenFailure m_openFailure;
    Bytes m_input;
    // Writes still on their way out: write number -> already sent (a wait saw it leave).
    std::map<std::uint64_t, bool> m_outgoing;
    std::uint64_t m_writes = 0;
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};

}  // namespace mox::test
