#pragma once

#include "services/LanguageState.h"
#include "services/ProgramPaths.h"
#include "services/Prompter.h"

namespace mox {

// What a rule needs to speak to the user: where the language files are, the language in force and
// the prompter that shows message boxes and asks questions. A rule that may show a message takes this
// and nothing more of the program's state.
struct Messages {
    Messages() : Prompts(&m_silentPrompter) {}
    Messages(const Messages&) = delete;
    Messages& operator=(const Messages&) = delete;

    // Where the delivered files (the language files in the folder "language" of the program folder),
    // the settings files and the other installed versions are.
    ProgramPaths Paths;
    LanguageState Language;
    Prompter* Prompts;

private:
    SilentPrompter m_silentPrompter;
};

}  // namespace mox
