#include "cli/CliValues.h"

#include <cctype>
#include <charconv>

#include "codecs/Tones.h"
#include "services/FoldedText.h"
#include "services/Texts.h"

namespace mox::cli {

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string EnglishText(AppState& state, int number) {
    const std::string language = state.Language.FileName;
    state.Language.FileName = "english.ini";
    std::string text = GetLanguageText(state, number);
    state.Language.FileName = language;
    return text;
}

std::optional<int> ToneCode(AppState& state, const std::string& text) {
    const std::string folded = FoldedText(text);
    if (folded == "off" || folded == FoldedText(EnglishText(state, 14013)))
        return 0;
    for (int code = 1; code < kToneCount; ++code) {
        if (FoldedText(ToneText(code, "")) == folded)
            return code;
    }
    return std::nullopt;
}

}  // namespace mox::cli
