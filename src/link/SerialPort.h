#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "link/PortOpenFailure.h"

namespace mox {

using Bytes = std::vector<std::uint8_t>;

// How the port is opened: always 9600 baud, no parity, 8 data bits, raw bytes.
struct PortSettings {
    std::string DevicePath;  // resolved from the port number through the port map
    int Handshaking = 0;     // 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both
    int StopBits = 1;        // 1 or 2
};

// The serial port the link drives. Events come on the one user-interface thread.
class SerialPort {
public:
    virtual ~SerialPort() = default;
    virtual bool Open(const PortSettings& settings) = 0;
    // The driver sends what is still waiting to go out before the port closes: while handshaking
    // holds the line (a three-wire cable under RTS/CTS) that keeps the close waiting for up to 30 s.
    // CloseNow drops it instead.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual void Write(const Bytes& bytes) = 0;
    // Waits until every byte written has left the port, at most this long. False when some are still
    // held back.
    virtual bool WaitUntilSent(int milliseconds) = 0;
    // Drops all buffered input and all output not yet sent.
    virtual void DiscardBuffers() = 0;
    // BytesArrived fires once at least this many bytes are buffered.
    virtual void SetReceiveThreshold(std::size_t count) = 0;
    virtual Bytes ReadAll() = 0;
    // Why the last Open failed; Error None after one that succeeded.
    virtual PortOpenFailure LastOpenFailure() const = 0;

    // Closes without waiting: what has not been sent yet is no longer needed.
    void CloseNow() {
        if (!IsOpen())
            return;
        DiscardBuffers();
        Close();
    }

    // Called when at least the threshold number of bytes is buffered.
    std::function<void()> BytesArrived;
    // Called when the port fails while open (an adapter unplugged); the port is closed by then.
    std::function<void()> PortLost;
};

// A serial device as the system reports it. A USB adapter comes with its ids, maker, product and
// (most) with a serial number; a built-in port or a pseudo-terminal is known by its path alone.
struct SerialDevice {
    SerialDevice() = default;
    // A device known by its path alone.
    SerialDevice(std::string path) : Path(std::move(path)) {}
    SerialDevice(const char* path) : Path(path) {}

    std::string Path;
    std::uint16_t VendorId = 0;
    std::uint16_t ProductId = 0;
    std::string Manufacturer;
    std::string Product;
    std::string SerialNumber;

    bool IsUsb() const { return VendorId != 0 || ProductId != 0; }
};

// Lists the serial devices that exist now; the port map numbers them.
class PortEnumerator {
public:
    virtual ~PortEnumerator() = default;
    virtual std::vector<SerialDevice> ExistingDevices() const = 0;
};

}  // namespace mox
