#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/AppState.h"

namespace mox::cli {

// A whole decimal number and nothing else.
std::optional<int> WholeNumber(const std::string& text);
// The texts a user types for list entries are the English ones, whatever language the tool shows its
// messages in.
std::string EnglishText(AppState& state, int number);
// A tone as the lists show it ("67.0", "023N", "023I"), or "off" / the English text of entry 0.
std::optional<int> ToneCode(AppState& state, const std::string& text);

}  // namespace mox::cli
