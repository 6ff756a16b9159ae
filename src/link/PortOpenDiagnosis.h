#pragma once

#include <string>

#include "link/PortOpenFailure.h"

namespace mox {

// What the system can tell about a device that would not open.
class DeviceFacts {
public:
    virtual ~DeviceFacts() = default;
    // The device (or what a link names) is there.
    virtual bool Exists(const std::string& path) const = 0;
    // This user may read and write it.
    virtual bool MayReadAndWrite(const std::string& path) const = 0;
    // The name of the group that owns the device.
    virtual std::string GroupOf(const std::string& path) const = 0;
    // The name of the user the program runs as.
    virtual std::string UserName() const = 0;
};

// How the port layer saw the failure.
enum class OpenRefusal {
    // The device was not found.
    NotFound,
    // Access was refused: no right to the device, or another program holds it.
    Refused,
    // Anything else.
    Other
};

// Tells apart an unplugged device, a missing permission and a device another program holds. The
// port layer reports the last two alike; the device's own permissions decide between them.
PortOpenFailure DiagnoseOpenFailure(const std::string& path, OpenRefusal refusal,
                                    const std::string& systemText, const DeviceFacts& facts);

}  // namespace mox
