#pragma once

#include "link/SerialPort.h"

namespace mox {

// The serial devices the system reports, USB adapters with their ids, maker, product and serial
// number. Pseudo-terminals are not among them; the port map's hand-mapped paths cover those.
class QtPortEnumerator : public PortEnumerator {
public:
    std::vector<SerialDevice> ExistingDevices() const override;
};

}  // namespace mox
