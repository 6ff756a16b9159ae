#pragma once

#include <string>
#include <string_view>

namespace mox {

// A text to compare without regard to case and blanks: "12.5 kHz", "12.5khz" and "12.5 KHZ" are one
// entry, "High" and " high " one power.
std::string FoldedText(std::string_view text);

}  // namespace mox
