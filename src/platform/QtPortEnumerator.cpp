#include "platform/QtPortEnumerator.h"

#include <QSerialPortInfo>

namespace mox {

std::vector<std::string> QtPortEnumerator::ExistingDevices() const {
    std::vector<std::string> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices.push_back(info.systemLocation().toStdString());
    return devices;
}

}  // namespace mox
