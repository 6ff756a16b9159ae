#pragma once

#include <string>
#include <string_view>

namespace mox {

// A frequency or shift text as the user typed it, formatted "#0.00000" the way a committed cell shows
// it: "435.125" gives "435.12500", a signed shift keeps its sign ("+5" gives "+5.00000", "-0.6" gives
// "-0.60000"). Text that is no number is returned as typed; the band check then deals with it.
std::string FormatTypedFrequency(std::string_view text);

// Whether a frequency box keeps a typed character: digits and "." always, "+" and "-" only where a
// signed shift is typed. Copy, paste and cut (codes 3, 22, 24) and every code above 127 are dropped;
// other control characters such as Backspace pass.
bool KeepsTypedCharacter(char32_t code, bool signs);

}  // namespace mox
