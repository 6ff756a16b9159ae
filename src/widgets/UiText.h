#pragma once

#include <QString>

#include "services/Messages.h"

namespace mox {

// The language text of a number as a window shows it (the language files are UTF-8).
QString UiText(const Messages& messages, int number);

}  // namespace mox
