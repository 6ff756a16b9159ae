#pragma once

#include "link/SerialPort.h"

namespace mox {

// The serial devices the system reports (their device paths). Pseudo-terminals are not among them;
// the port map's hand-mapped paths cover those.
class QtPortEnumerator : public PortEnumerator {
public:
    std::vector<std::string> ExistingDevices() const override;
};

}  // namespace mox
