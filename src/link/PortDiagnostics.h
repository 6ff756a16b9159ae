#pragma once

#include <string>

#include "link/PortMap.h"
#include "link/PortOpenFailure.h"
#include "services/Messages.h"

namespace mox {

// A port number without a device now: mapped to nothing, or to a device (a USB adapter) that is not
// plugged in.
PortOpenFailure MissingDeviceFailure(const PortMap& ports, int portNumber);

// Why a port would not open and what the user can do about it, in the language in force: plug the
// cable in, join the device's group (with the command that does it), close the other program.
// "" when the port did open.
std::string PortOpenProblemText(const Messages& messages, int portNumber, const PortOpenFailure& failure);

// A message about a port that would not open: `head` and the reason below it.
std::string WithOpenProblem(const Messages& messages, const std::string& head, int portNumber,
                            const PortOpenFailure& failure);

}  // namespace mox
