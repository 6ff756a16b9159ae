#pragma once

#include <string>

namespace mox {

constexpr int kEnglish = 1;
constexpr int kChinese = 2;

struct LanguageState {
    int CurrentLanguage = kEnglish;
    int PreviousLanguage = kEnglish;  // the language the main window last took over
    std::string FileName = "english.ini";
};

}  // namespace mox
