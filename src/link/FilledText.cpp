#include "link/FilledText.h"

namespace mox {

std::string FilledText(std::string text, const std::string& value) {
    const std::size_t at = text.find("{0}");
    if (at != std::string::npos)
        text.replace(at, 3, value);
    return text;
}

}  // namespace mox
