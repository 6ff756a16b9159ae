#pragma once

#include <string>
#include <string_view>

#include "services/Messages.h"
#include "services/Prompter.h"

namespace mox {

// The text of a number in the current language: section by the number's range, key = the number in
// decimal, value trimmed and at most 254 bytes; empty for anything missing.
std::string GetLanguageText(const Messages& messages, int number);

// The section that holds a text number ("Msg" for 9000..9999, ...).
const char* LanguageSectionOf(int number);

// The caption of a standard dialog button by its control name: CommandOK, CommandCancel, CommandClose
// and CommandHelp; empty for any other name.
std::string CommandCaption(const Messages& messages, std::string_view controlName);

// A message box whose text is the language text of `number`.
MsgAnswer ShowMessage(const Messages& messages, int number, MsgButtons buttons = MsgButtons::Ok,
                      MsgIcon icon = MsgIcon::None);

// A message box with a text fixed in the program ("Communication Error!", ...) or composed by the
// caller; `number` names the language text it starts with, 0 when none.
MsgAnswer ShowText(const Messages& messages, const std::string& text, MsgButtons buttons = MsgButtons::Ok,
                   MsgIcon icon = MsgIcon::None, int number = 0);

}  // namespace mox
