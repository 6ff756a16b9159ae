#pragma once

#include <memory>
#include <string>

namespace mox {

constexpr int kEnglish = 1;
constexpr int kChinese = 2;

struct TextCache;

struct LanguageState {
    int CurrentLanguage = kEnglish;
    int PreviousLanguage = kEnglish;  // the language the main window last took over
    std::string FileName = "english.ini";
    // The parsed language file, kept while the file on disk stays the same.
    mutable std::shared_ptr<TextCache> Cache;
};

}  // namespace mox
