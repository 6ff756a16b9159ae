#include "PseudoTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace mox::sim {
namespace {

termios LineSettings(int fd) {
    termios t{};
    tcgetattr(fd, &t);
    return t;
}

}  // namespace

PseudoTerminal::PseudoTerminal() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        m_error = std::strerror(errno);
        Close();
        return;
    }
    const char* name = ptsname(m_master);
    m_slavePath = name != nullptr ? name : "";
    m_slave = open(m_slavePath.c_str(), O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        m_error = std::strerror(errno);
        Close();
        return;
    }
    // Raw bytes both ways at 9600 baud until the program sets the line up its own way.
    termios t = LineSettings(m_slave);
    cfmakeraw(&t);
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    tcsetattr(m_slave, TCSANOW, &t);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal() {
    Close();
}

int PseudoTerminal::StopBits() const {
    return (LineSettings(m_slave).c_cflag & CSTOPB) != 0 ? 2 : 1;
}

int PseudoTerminal::Handshaking() const {
    termios t = LineSettings(m_slave);
    int code = 0;
    if ((t.c_iflag & (IXON | IXOFF)) != 0)
        code |= 1;
    if ((t.c_cflag & CRTSCTS) != 0)
        code |= 2;
    return code;
}

mox::Bytes PseudoTerminal::ReadAvailable() {
    mox::Bytes bytes;
    std::uint8_t buffer[512];
    for (;;) {
        ssize_t n = read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

bool PseudoTerminal::Write(const mox::Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(m_master, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // A full line with nobody reading it: the bytes are lost, as on a cable without a listener.
        pollfd waiting{m_master, POLLOUT, 0};
        if (n < 0 && errno != EAGAIN)
            return false;
        if (poll(&waiting, 1, 1000) <= 0)
            return false;
    }
    return true;
}

void PseudoTerminal::Close() {
    if (m_slave >= 0)
        close(m_slave);
    if (m_master >= 0)
        close(m_master);
    m_slave = -1;
    m_master = -1;
}

}  // namespace mox::sim
