#pragma once

#include <string>

#include "files/DocumentContext.h"
#include "link/LinkSettings.h"
#include "link/TransferState.h"

namespace mox {

// What a transfer reads and changes: everything the file commands work on (a read replaces the records
// and names the document), the link settings, the transfer's state and the programming password.
struct LinkContext : DocumentContext {
    LinkSettings Link;
    TransferState Transfer;
    std::string ProgrammingPassword;
};

}  // namespace mox
