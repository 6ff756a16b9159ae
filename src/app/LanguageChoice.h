#pragma once

// The language in force: its choice at start-up, the language dialog's OK, and the main window's
// taking over of a changed language when it is activated.

#include <string>
#include <string_view>

#include "services/LanguageState.h"
#include "services/Messages.h"

namespace mox {

// "chinese.ini" for language 2, "english.ini" otherwise.
std::string LanguageFileName(int language);

// The language a system locale gives: Chinese (China) is 2, every other locale 1. Takes the locale
// name as the platform writes it ("zh_CN", "zh_CN.UTF-8", "zh-CN").
int LanguageOfLocale(std::string_view localeName);

// Sets CurrentLanguage and the language file name together.
void SetCurrentLanguage(LanguageState& language, int number);

// The language dialog's OK with the list index chosen (0 English, 1 Chinese): a different language
// becomes current and the one in force becomes PreviousLanguage; CurrentLanguage is written to
// mysetup.ini in every case. False, with nothing changed, for an index outside the list.
bool ApplyLanguageChoice(Messages& messages, int index);

// True when the main window has not yet taken over the language in force.
bool LanguageChangePending(const LanguageState& language);

// On activation of the main window: true once for each change, after which the main window
// re-captions itself, closes its child windows and opens the channel list again.
bool TakeLanguageChange(LanguageState& language);

}  // namespace mox
