#pragma once

#include <QObject>
#include <QSerialPort>

#include "link/SerialPort.h"

namespace mox {

// The link's serial port on QSerialPort: 9600 baud, no parity, 8 data bits, raw bytes. DTR and RTS
// are asserted while the port is open, since many programming cables draw their power from them.
class QtSerialPort : public QObject, public SerialPort {
    Q_OBJECT
public:
    QtSerialPort();
    ~QtSerialPort() override;

    bool Open(const PortSettings& settings) override;
    void Close() override;
    bool IsOpen() const override;
    void Write(const Bytes& bytes) override;
    bool WaitUntilSent(int milliseconds) override;
    void DiscardBuffers() override;
    void SetReceiveThreshold(std::size_t count) override;
    Bytes ReadAll() override;
    PortOpenFailure LastOpenFailure() const override { return m_openFailure; }

private:
    bool ApplySettings(const PortSettings& settings);
    void NoteOpenFailure(const std::string& path);
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    std::size_t m_threshold = 1;
    bool m_delivering = false;
    bool m_configuring = false;
    unsigned m_openings = 0;
    PortOpenFailure m_openFailure;
};

}  // namespace mox
