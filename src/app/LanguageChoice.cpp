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

bool ApplyLanguageChoice(Messages& messages, int index) {
    if (index != 0 && index != 1)
        return false;
    LanguageState& language = messages.Language;
    const int chosen = index + 1;
    if (chosen != language.CurrentLanguage) {
        language.PreviousLanguage = language.CurrentLanguage;
        SetCurrentLanguage(language, chosen);
    }
    // A failed write is not reported: the language stays in force until the program ends.
    WriteSetupValue(messages.Paths.SetupFile, "CurrentLanguage", language.CurrentLanguage);
    return true;
}

bool LanguageChangePending(const LanguageState& language) {
    return language.CurrentLanguage != language.PreviousLanguage;
}

bool TakeLanguageChange(LanguageState& language) {
    if (!LanguageChangePending(language))
        return false;
    language.PreviousLanguage = language.CurrentLanguage;
    return true;
}

}  // namespace mox
