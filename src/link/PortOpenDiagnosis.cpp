#include "link/PortOpenDiagnosis.h"

namespace mox {

PortOpenFailure DiagnoseOpenFailure(const std::string& path, OpenRefusal refusal,
                                    const std::string& systemText, const DeviceFacts& facts) {
    PortOpenFailure failure;
    failure.DevicePath = path;
    if (refusal == OpenRefusal::NotFound || !facts.Exists(path)) {
        failure.Error = PortOpenError::NoDevice;
        return failure;
    }
    if (!facts.MayReadAndWrite(path)) {
        failure.Error = PortOpenError::PermissionDenied;
        failure.Group = facts.GroupOf(path);
        failure.User = facts.UserName();
        return failure;
    }
    if (refusal == OpenRefusal::Refused) {
        failure.Error = PortOpenError::InUse;
        return failure;
    }
    failure.Error = PortOpenError::Other;
    failure.SystemText = systemText;
    return failure;
}

}  // namespace mox
