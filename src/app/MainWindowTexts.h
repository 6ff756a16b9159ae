#pragma once

#include <string>
#include <string_view>

#include "app/AppState.h"

namespace mox {

// The part of a path after its last "/" (or "\", as paths from other systems are written).
std::string FileNamePart(std::string_view path);

// Title, model display name and band, file label and the data file's name:
// title[model:400 - 480 MHz][file label:new.dat].
std::string MainCaption(const AppState& state);

// Status bar panel 2: the model display name followed by the band name in brackets.
std::string StatusModelText(const AppState& state);

// Status bar panel 3: text 12008 followed by the port number.
std::string StatusPortText(const AppState& state);

}  // namespace mox
