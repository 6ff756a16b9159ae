#include "platform/QtSerialPort.h"

#include <sys/ioctl.h>
#include <termios.h>

#include <QDeadlineTimer>
#include <chrono>
#include <thread>

#include "platform/PosixDeviceFacts.h"

namespace mox {
namespace {

// Qt reports a device without the right to open it and a device another program holds alike.
OpenRefusal RefusalOf(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return OpenRefusal::NotFound;
        case QSerialPort::PermissionError:
        case QSerialPort::OpenError:
            return OpenRefusal::Refused;
        default:
            return OpenRefusal::Other;
    }
}

QSerialPort::FlowControl FlowControlOf(int handshaking) {
    switch (handshaking) {
        case 1:
            return QSerialPort::SoftwareControl;
        case 2:
        case 3:
            return QSerialPort::HardwareControl;
        default:
            return QSerialPort::NoFlowControl;
    }
}

// Qt offers one kind of flow control at a time; both at once go straight to the line discipline.
bool AddSoftwareFlowControl(QSerialPort& port) {
    termios t{};
    int fd = static_cast<int>(port.handle());
    if (tcgetattr(fd, &t) != 0)
        return false;
    t.c_iflag |= IXON | IXOFF;
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

}  // namespace

QtSerialPort::QtSerialPort() {
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialPort::OnReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::OnError);
}

QtSerialPort::~QtSerialPort() {
    m_port.disconnect(this);
    CloseNow();
}

bool QtSerialPort::Open(const PortSettings& settings) {
    CloseNow();
    ++m_openings;
    m_openFailure = {};
    m_port.setPortName(QString::fromStdString(settings.DevicePath));
    if (!m_port.open(QIODevice::ReadWrite)) {
        NoteOpenFailure(settings.DevicePath);
        return false;
    }
    m_configuring = true;
    bool applied = ApplySettings(settings);
    m_configuring = false;
    if (!applied) {
        NoteOpenFailure(settings.DevicePath);
        m_port.close();
        return false;
    }
    return true;
}

void QtSerialPort::NoteOpenFailure(const std::string& path) {
    m_openFailure = DiagnoseOpenFailure(path, RefusalOf(m_port.error()), m_port.errorString().toStdString(),
                                        PosixDeviceFacts());
}

bool QtSerialPort::ApplySettings(const PortSettings& settings) {
    bool ok = m_port.setBaudRate(QSerialPort::Baud9600) && m_port.setDataBits(QSerialPort::Data8) &&
              m_port.setParity(QSerialPort::NoParity) &&
              m_port.setStopBits(settings.StopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
              m_port.setFlowControl(FlowControlOf(settings.Handshaking));
    if (ok && settings.Handshaking == 3)
        ok = AddSoftwareFlowControl(m_port);
    if (!ok)
        return false;
    // Under RTS/CTS the driver owns RTS; a pseudo-terminal has no modem lines at all. Neither is a
    // reason to refuse the port.
    m_port.setDataTerminalReady(true);
    if (m_port.flowControl() != QSerialPort::HardwareControl)
        m_port.setRequestToSend(true);
    m_port.clearError();
    return true;
}

void QtSerialPort::Close() {
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

bool QtSerialPort::IsOpen() const {
    return m_port.isOpen();
}

void QtSerialPort::Write(const Bytes& bytes) {
    if (!m_port.isOpen())
        return;
    m_port.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Hand the bytes to the driver now rather than on the next pass of the event loop: every
    // millisecond here adds to each of the 177 blocks of a transfer.
    m_port.flush();
}

bool QtSerialPort::WaitUntilSent(int milliseconds) {
    if (!m_port.isOpen())
        return true;
    const QDeadlineTimer deadline(milliseconds);
    while (m_port.bytesToWrite() > 0) {
        if (deadline.hasExpired() || !m_port.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            return false;
    }
    // The bytes have left once the driver's own output queue is empty too.
    const int fd = static_cast<int>(m_port.handle());
    int queued = 0;
    while (ioctl(fd, TIOCOUTQ, &queued) == 0 && queued > 0) {
        if (deadline.hasExpired())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void QtSerialPort::DiscardBuffers() {
    if (m_port.isOpen())
        m_port.clear(QSerialPort::AllDirections);
}

void QtSerialPort::SetReceiveThreshold(std::size_t count) {
    m_threshold = count;
}

Bytes QtSerialPort::ReadAll() {
    if (!m_port.isOpen())
        return {};
    QByteArray data = m_port.readAll();
    return Bytes(data.begin(), data.end());
}

void QtSerialPort::OnReadyRead() {
    // A handler that shows a modal question runs a nested event loop; bytes arriving meanwhile are
    // delivered once it has returned, never into the middle of it.
    if (m_delivering)
        return;
    m_delivering = true;
    qint64 before = -1;
    while (m_port.isOpen() && m_threshold > 0 &&
           m_port.bytesAvailable() >= static_cast<qint64>(m_threshold) && m_port.bytesAvailable() != before) {
        before = m_port.bytesAvailable();
        if (BytesArrived)
            BytesArrived();
    }
    m_delivering = false;
}

void QtSerialPort::OnError(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::ResourceError:
        case QSerialPort::ReadError:
        case QSerialPort::WriteError:
        case QSerialPort::DeviceNotFoundError:
        case QSerialPort::PermissionError:
            break;
        default:
            return;
    }
    // Only a port that was working can be lost; a failed Open reports through its result, and a
    // modem line that a device does not have is no failure.
    if (m_configuring || !m_port.isOpen())
        return;
    m_port.close();
    // Told from the event loop, not from inside QSerialPort's own notification: whoever hears of the
    // loss may open the port again or ask the user a question.
    // A port opened again in the meantime is not the one that was lost.
    QMetaObject::invokeMethod(
        this,
        [this, opening = m_openings] {
            if (PortLost && opening == m_openings)
                PortLost();
        },
        Qt::QueuedConnection);
}

}  // namespace mox
