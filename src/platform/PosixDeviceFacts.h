#pragma once

#include "link/PortOpenDiagnosis.h"

namespace mox {

// What the system tells about a device file: whether it is there, its permissions and its group.
class PosixDeviceFacts : public DeviceFacts {
public:
    bool Exists(const std::string& path) const override;
    bool MayReadAndWrite(const std::string& path) const override;
    std::string GroupOf(const std::string& path) const override;
    std::string UserName() const override;
};

}  // namespace mox
