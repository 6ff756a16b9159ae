#include "support/SimRadioPort.h"

#include <algorithm>

namespace mox::test {

void SimRadioPort::Attach(const std::string& devicePath, sim::SimRadio& radio) {
    m_devices[devicePath] = Device{&radio, std::nullopt, false};
}

void SimRadioPort::AddSilentDevice(const std::string& devicePath) {
    m_devices[devicePath] = Device{};
}

void SimRadioPort::RefuseOpen(const std::string& devicePath) {
    FailOpen(devicePath, {PortOpenError::InUse, devicePath, {}, {}, {}});
}

void SimRadioPort::FailOpen(const std::string& devicePath, PortOpenFailure failure) {
    failure.DevicePath = devicePath;
    m_devices[devicePath].Refusal = std::move(failure);
}

void SimRadioPort::ThreeWireCable(const std::string& devicePath) {
    m_devices[devicePath].ThreeWire = true;
}

void SimRadioPort::Unplug(const std::string& devicePath) {
    m_devices.erase(devicePath);
    if (!m_open || m_settings.DevicePath != devicePath)
        return;
    Close();
    if (PortLost)
        PortLost();
}

bool SimRadioPort::Open(const PortSettings& settings) {
    const auto device = m_devices.find(settings.DevicePath);
    m_openFailure = {};
    if (device == m_devices.end())
        m_openFailure = {PortOpenError::NoDevice, settings.DevicePath, {}, {}, {}};
    else if (device->second.Refusal)
        m_openFailure = *device->second.Refusal;
    else if (m_open)
        m_openFailure = {PortOpenError::InUse, settings.DevicePath, {}, {}, {}};
    if (m_openFailure.Error != PortOpenError::None) {
        OpenFailures.push_back(settings.DevicePath);
        return false;
    }
    m_open = true;
    ++m_session;
    m_settings = settings;
    m_input.clear();
    m_threshold = 1;
    Openings.push_back(settings);
    return true;
}

bool SimRadioPort::OutputHeld() const {
    const auto device = m_devices.find(m_settings.DevicePath);
    return device != m_devices.end() && device->second.ThreeWire && m_settings.Handshaking >= 2;
}

void SimRadioPort::Close() {
    const bool unsent =
        std::any_of(m_outgoing.begin(), m_outgoing.end(), [](const auto& write) { return !write.second; });
    if (unsent && OutputHeld()) {
        // The driver would wait half a minute for the line before it gives the bytes up.
        ++BlockedCloses;
        m_outgoing.clear();
    }
    m_open = false;
    ++m_session;
    m_input.clear();
}

std::int64_t SimRadioPort::WireTimeMs(std::size_t count) {
    // 10 bits a byte at 9600 baud: 960 bytes a second.
    return static_cast<std::int64_t>((count * 1000 + 959) / 960);
}

void SimRadioPort::Later(std::int64_t delayMs, std::function<void()> action) {
    m_time.Schedule(delayMs, [lifetime = std::weak_ptr<int>(m_lifetime), action = std::move(action)] {
        if (!lifetime.expired())
            action();
    });
}

void SimRadioPort::Write(const Bytes& bytes) {
    if (!m_open)
        return;
    Written.push_back(bytes);
    WrittenAt.push_back(m_time.NowMilliseconds());
    const std::uint64_t write = ++m_writes;
    m_outgoing[write] = false;
    if (OutputHeld())
        return;
    const std::int64_t now = m_time.NowMilliseconds();
    m_lineFreeAt = std::max(m_lineFreeAt, now) + WireTimeMs(bytes.size());
    // What is written before the port closes still goes out, as the driver drains its buffer; what is
    // discarded first does not.
    Later(m_lineFreeAt - now,
          [this, write, path = m_settings.DevicePath, settings = m_settings, session = m_session, bytes] {
              if (m_outgoing.erase(write) != 0)
                  RadioHears(path, settings, session, bytes);
          });
}

bool SimRadioPort::WaitUntilSent(int milliseconds) {
    const bool unsent =
        std::any_of(m_outgoing.begin(), m_outgoing.end(), [](const auto& write) { return !write.second; });
    if (!m_open || !unsent)
        return true;
    const std::int64_t needed = OutputHeld() ? milliseconds + 1 : m_lineFreeAt - m_time.NowMilliseconds();
    LongestWaitMs =
        std::max<int>(LongestWaitMs, static_cast<int>(std::min<std::int64_t>(needed, milliseconds)));
    if (needed > milliseconds)
        return false;
    for (auto& write : m_outgoing)
        write.second = true;
    return true;
}

void SimRadioPort::DiscardBuffers() {
    m_input.clear();
    std::erase_if(m_outgoing, [](const auto& write) { return !write.second; });
}

void SimRadioPort::RadioHears(const std::string& devicePath, PortSettings settings, std::uint64_t session,
                              const Bytes& bytes) {
    const auto device = m_devices.find(devicePath);
    if (device == m_devices.end() || device->second.Radio == nullptr)
        return;
    sim::SimRadio& radio = *device->second.Radio;
    if (!radio.AcceptsSettings(settings.StopBits, settings.Handshaking))
        return;
    HeardAt.push_back(m_time.NowMilliseconds());
    Bytes reply = radio.Receive(bytes);
    if (radio.Vanished()) {
        Unplug(devicePath);
        return;
    }
    if (Answering)
        reply = Answering(bytes, reply);
    if (reply.empty())
        return;
    if (!DeliverByteByByte) {
        Later(WireTimeMs(reply.size()), [this, session, reply] { Arrive(session, reply); });
        return;
    }
    for (std::size_t i = 0; i < reply.size(); ++i)
        Later(WireTimeMs(i + 1), [this, session, byte = reply[i]] { Arrive(session, {byte}); });
}

void SimRadioPort::Arrive(std::uint64_t session, const Bytes& bytes) {
    if (!m_open || session != m_session)
        return;
    m_input.insert(m_input.end(), bytes.begin(), bytes.end());
    if ((m_input.size() >= m_threshold || DeliverByteByByte) && BytesArrived)
        BytesArrived();
}

Bytes SimRadioPort::ReadAll() {
    Bytes all;
    all.swap(m_input);
    return all;
}

}  // namespace mox::test
