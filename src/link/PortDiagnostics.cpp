#include "link/PortDiagnostics.h"

#include "services/FilledText.h"
#include "services/NumberText.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr const char* kLineBreak = "\r\n";

}  // namespace

PortOpenFailure MissingDeviceFailure(const PortMap& ports, int portNumber) {
    PortOpenFailure failure;
    failure.DevicePath = ports.MappedDevice(portNumber);
    failure.Error = failure.DevicePath.empty() ? PortOpenError::NotMapped : PortOpenError::NoDevice;
    return failure;
}

std::string PortOpenProblemText(const Messages& messages, int portNumber, const PortOpenFailure& failure) {
    const std::string& device = failure.DevicePath;
    switch (failure.Error) {
        case PortOpenError::None:
            return {};
        case PortOpenError::NotMapped:
            return FilledText(GetLanguageText(messages, 31800), WholeNumberText(portNumber));
        case PortOpenError::NoDevice:
            return FilledText(GetLanguageText(messages, 31801), device);
        case PortOpenError::PermissionDenied:
            // The command is the same in every language.
            return FilledText(GetLanguageText(messages, 31802), {device, failure.Group}) + kLineBreak +
                   "sudo usermod -aG " + failure.Group + " " + failure.User;
        case PortOpenError::InUse:
            return FilledText(GetLanguageText(messages, 31803), device);
        case PortOpenError::Other:
            break;
    }
    return FilledText(GetLanguageText(messages, 31804), {device, failure.SystemText});
}

std::string WithOpenProblem(const Messages& messages, const std::string& head, int portNumber,
                            const PortOpenFailure& failure) {
    const std::string reason = PortOpenProblemText(messages, portNumber, failure);
    return reason.empty() ? head : head + kLineBreak + kLineBreak + reason;
}

}  // namespace mox
