#include "services/FilledText.h"

namespace mox {

std::string FilledText(std::string text, const std::string& value) {
    const std::size_t at = text.find("{0}");
    if (at != std::string::npos)
        text.replace(at, 3, value);
    return text;
}

std::string FilledText(const std::string& text, const std::vector<std::string>& values) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder = text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}' &&
                                 text[i + 1] >= '0' && text[i + 1] <= '9';
        const auto index = placeholder ? static_cast<std::size_t>(text[i + 1] - '0') : values.size();
        if (index < values.size()) {
            result += values[index];
            i += 2;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string FilledText(const std::string& text, std::initializer_list<std::string> values) {
    return FilledText(text, std::vector<std::string>(values));
}

}  // namespace mox
