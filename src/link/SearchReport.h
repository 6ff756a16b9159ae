#pragma once

#include <string>
#include <utility>
#include <vector>

#include "link/PortOpenFailure.h"
#include "services/Messages.h"

namespace mox {

// What the link-settings search did at one port.
struct SearchAttempt {
    int PortNumber = 0;
    std::string DevicePath;
    // Error None while the port opened.
    PortOpenFailure OpenFailure;
    // The settings the radio was called with: stop bits and handshaking code, in the order tried.
    std::vector<std::pair<int, int>> Tried;
};

// The list below the failure question after a search found nothing: one line per port and stop bits
// with the handshaking modes tried, or why the port would not open. "" when no port was tried.
std::string SearchTriedText(const Messages& messages, const std::vector<SearchAttempt>& attempts);

}  // namespace mox
