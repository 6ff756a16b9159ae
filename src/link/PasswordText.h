#pragma once

#include <string>
#include <string_view>

namespace mox {

// The programming password as the password dialog stores it: the typed text cut at its first NUL,
// without trailing blanks.
std::string PasswordFromTyped(std::string_view typed);

}  // namespace mox
