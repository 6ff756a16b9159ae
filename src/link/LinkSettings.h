#pragma once

namespace mox {

// Port, handshaking and stop bits; the link always runs at 9600 baud, no parity, 8 data bits.
struct LinkSettings {
    int PortNumber = 1;
    int Handshaking = 0;
    int StopBits = 1;
    bool IsFirstRun = true;
};

}  // namespace mox
