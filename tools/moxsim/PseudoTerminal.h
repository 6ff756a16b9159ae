#pragma once

#include <string>

#include "link/SerialPort.h"

namespace mox::sim {

// The radio's end of a pseudo-terminal. The program opens the slave device as its serial port; the
// simulator talks through the master. A slave descriptor of our own stays open all the time, so the
// master never sees a hang-up when the program closes its port and opens it again.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool IsOpen() const { return m_master >= 0; }
    // Why opening failed, when it did.
    const std::string& Error() const { return m_error; }
    int MasterFd() const { return m_master; }
    const std::string& SlavePath() const { return m_slavePath; }

    // The stop bits (1 or 2) and handshaking code (0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both) that the
    // program's side has set on the line.
    int StopBits() const;
    int Handshaking() const;

    // Whatever the program has sent so far (empty when nothing is waiting).
    mox::Bytes ReadAvailable();
    bool Write(const mox::Bytes& bytes);
    // The device goes away, as an unplugged adapter does: the program's port fails.
    void Close();

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
    std::string m_error;
};

}  // namespace mox::sim
