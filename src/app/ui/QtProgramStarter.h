#pragma once

#include "link/SerialPort.h"
#include "services/ProgramStarter.h"

namespace mox {

// Starts another installed program version as a process of its own and ends this one at once: no
// unsaved-changes question, no settings written. The serial port is closed first, so that the other
// version can open it.
class QtProgramStarter : public ProgramStarter {
public:
    explicit QtProgramStarter(SerialPort& port) : m_port(port) {}
    bool StartAndExit(const std::filesystem::path& executable) override;

private:
    SerialPort& m_port;
};

}  // namespace mox
