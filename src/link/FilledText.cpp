#include "link/FilledText.h"

#include <vector>

namespace mox {

std::string FilledText(std::string text, const std::string& value) {
    const std::size_t at = text.find("{0}");
    if (at != std::string::npos)
        text.replace(at, 3, value);
    return text;
}

std::string FilledText(const std::string& text, std::initializer_list<std::string> values) {
    const std::vector<std::string> filling(values);
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder = text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}' &&
                                 text[i + 1] >= '0' && text[i + 1] <= '9';
        const auto index = placeholder ? static_cast<std::size_t>(text[i + 1] - '0') : filling.size();
        if (index < filling.size()) {
            result += filling[index];
            i += 2;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace mox
