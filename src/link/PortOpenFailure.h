#pragma once

#include <string>

namespace mox {

// Why a serial port would not open, in terms a user can act on.
enum class PortOpenError {
    None,
    // The port number names no device at all.
    NotMapped,
    // The device is not there: an adapter unplugged, a cable on another port.
    NoDevice,
    // The user may not open the device; joining its group gives the right.
    PermissionDenied,
    // Another program holds the device.
    InUse,
    // Anything else; the system's own words tell what.
    Other
};

struct PortOpenFailure {
    PortOpenError Error = PortOpenError::None;
    std::string DevicePath;
    // PermissionDenied: the group that owns the device and the user the program runs as.
    std::string Group;
    std::string User;
    // Other: what the system said.
    std::string SystemText;
};

}  // namespace mox
