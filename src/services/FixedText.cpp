#include "services/FixedText.h"

namespace mox {

std::string CutFixedText(std::string_view raw) {
    std::size_t end = raw.size();
    while (end > 0 && raw[end - 1] == ' ')
        --end;
    raw = raw.substr(0, end);
    const std::size_t nul = raw.find('\0');
    return std::string(nul == std::string_view::npos ? raw : raw.substr(0, nul));
}

}  // namespace mox
