#pragma once

#include <string_view>

namespace mox {

// What the main window still offers while the document is locked (radios are being written from it):
// what only looks at the data or copies them out (Save, Save As, Export, Compare, Print), the
// views, the window list, help, and the window that writes the radios. Everything else may change the
// data, replace them (Open, New, a read) or use the serial port, and waits until the lock ends.
bool OfferedWhileLocked(std::string_view entry);

}  // namespace mox
