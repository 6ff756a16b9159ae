#pragma once

#include <string>

namespace mox {

struct DocumentState {
    std::string CurrentPath = "new.dat";
    bool IsNew = true;  // set by New and by a read from the radio, cleared by a successful save
    // Radios are being written from the document: nothing may change it until they are done (see
    // OfferedWhileLocked).
    bool Locked = false;
};

}  // namespace mox
