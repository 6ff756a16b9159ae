#pragma once

#include <string>
#include <string_view>

namespace mox {

// What a typed key becomes in the editors' text boxes: keyboard copy, paste and cut (codes 3, 22 and
// 24) and every character beyond plain ASCII are dropped (0); everything else passes.
int TextKey(int key);
// The same for a box of digits: of the printable characters only "0" to "9" pass.
int DigitKey(int key);

// Text that reached a box other than by typing, passed through the box's key rule; control characters
// go too, since only typing can edit with them.
std::string CleanTypedText(std::string_view text, int (*key)(int));

}  // namespace mox
