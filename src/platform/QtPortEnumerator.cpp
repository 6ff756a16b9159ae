#include "platform/QtPortEnumerator.h"

#include <QSerialPortInfo>

namespace mox {

std::vector<SerialDevice> QtPortEnumerator::ExistingDevices() const {
    std::vector<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialDevice device(info.systemLocation().toStdString());
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            device.VendorId = info.vendorIdentifier();
            device.ProductId = info.productIdentifier();
            device.Manufacturer = info.manufacturer().trimmed().toStdString();
            device.Product = info.description().trimmed().toStdString();
            device.SerialNumber = info.serialNumber().trimmed().toStdString();
        }
        devices.push_back(std::move(device));
    }
    return devices;
}

}  // namespace mox
