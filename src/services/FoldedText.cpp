#include "services/FoldedText.h"

#include <cctype>

namespace mox {

std::string FoldedText(std::string_view text) {
    std::string folded;
    for (const char c : text) {
        if (c != ' ')
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return folded;
}

}  // namespace mox
