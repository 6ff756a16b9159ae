// The language file lookup on any file: users translate and edit these files by hand. A text is never
// longer than its buffer, never starts or ends in a blank, and is what the file holds under the
// number's section; filling its "{0}" places copes with any braces the text has.

#include <cstdint>
#include <string>

#include "fuzz/FuzzInput.h"
#include "services/FilledText.h"
#include "services/IniFile.h"
#include "services/NumberText.h"
#include "services/Texts.h"
#include "support/TempFolder.h"

namespace {

using namespace mox;

// Numbers of every section, their neighbours and the ends of the ranges.
constexpr int kNumbers[] = {0,     1,     8999,  9000,  9002,  9033,  10001, 12000,
                            13005, 22004, 29999, 30000, 31410, 32249, -1,    99999};

void CheckText(const Messages& messages, const IniContent& content, int number) {
    const std::string text = GetLanguageText(messages, number);
    FUZZ_CHECK(text.size() <= 254);
    FUZZ_CHECK(text.empty() ||
               (text.front() != ' ' && text.front() != '\t' && text.back() != ' ' && text.back() != '\t'));
    const std::string held = IniValue(content, LanguageSectionOf(number), WholeNumberText(number), {}, 4096);
    FUZZ_CHECK(held.compare(0, text.size(), text) == 0);

    const std::string filled = FilledText(text, {"A", "{1}"});
    const std::string filledOne = FilledText(text, std::string("{0}"));
    if (text.find('{') == std::string::npos)
        FUZZ_CHECK(filled == text && filledOne == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const test::TempFolder folder;
    Messages messages;
    messages.Paths = folder.Paths();
    messages.Language.FileName = size % 2 == 0 ? "english.ini" : "chinese.ini";
    const std::string text(reinterpret_cast<const char*>(data), size);
    test::TempFolder::WriteFile(messages.Paths.ProgramFolder / "language" / messages.Language.FileName, text);

    const IniContent content = ParseIni(text);
    for (const int number : kNumbers)
        CheckText(messages, content, number);
    // The numbers the file itself holds, a few of each section.
    for (const auto& [section, keys] : content) {
        int looked = 0;
        for (const auto& [key, value] : keys) {
            const auto number = ParseWholeNumber(key);
            if (looked++ == 4 || !number)
                break;
            CheckText(messages, content, *number);
        }
    }
    return 0;
}
