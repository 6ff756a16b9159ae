#pragma once

#include <QString>

#include "app/AppState.h"

namespace mox {

// The language text of a number as a window shows it (the language files are UTF-8).
QString UiText(const AppState& state, int number);

}  // namespace mox
