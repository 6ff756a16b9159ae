#include "link/PasswordText.h"

namespace mox {

std::string PasswordFromTyped(std::string_view typed) {
    std::string_view text = typed.substr(0, typed.find('\0'));
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

}  // namespace mox
