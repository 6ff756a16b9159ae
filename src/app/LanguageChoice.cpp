#include "app/LanguageChoice.h"

#include "services/SetupFile.h"

namespace mox {

std::string LanguageFileName(int language) {
    return language == kChinese ? "chinese.ini" : "english.ini";
}

int LanguageOfLocale(std::string_view localeName) {
    constexpr std::string_view kChineseChina[] = {"zh_CN", "zh-CN"};
    for (const std::string_view name : kChineseChina) {
        if (localeName.substr(0, name.size()) != name)
            continue;
        const std::string_view rest = localeName.substr(name.size());
        if (rest.empty() || rest.front() == '.' || rest.front() == '@')
            return kChinese;
    }
    return kEnglish;
}

void SetCurrentLanguage(LanguageState& language, int number) {
    language.CurrentLanguage = number;
    language.FileName = LanguageFileName(number);
}

bool ApplyLanguageChoice(AppState& state, int index) {
    if (index != 0 && index != 1)
        return false;
    const int chosen = index + 1;
    if (chosen != state.Language.CurrentLanguage) {
        state.Language.PreviousLanguage = state.Language.CurrentLanguage;
        SetCurrentLanguage(state.Language, chosen);
    }
    // A failed write is not reported: the language stays in force until the program ends.
    WriteSetupValue(state, "CurrentLanguage", state.Language.CurrentLanguage);
    return true;
}

bool LanguageChangePending(const AppState& state) {
    return state.Language.CurrentLanguage != state.Language.PreviousLanguage;
}

bool TakeLanguageChange(AppState& state) {
    if (!LanguageChangePending(state))
        return false;
    state.Language.PreviousLanguage = state.Language.CurrentLanguage;
    return true;
}

}  // namespace mox
