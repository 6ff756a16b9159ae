#pragma once

#include <string>

namespace mox {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };

// One message box or question. Text is the full text to show (already looked up and composed);
// TextNumber names the language-file text it starts with, 0 for the texts fixed in the program.
struct Prompt {
    int TextNumber = 0;
    std::string Text;
    MsgButtons Buttons = MsgButtons::Ok;
    MsgIcon Icon = MsgIcon::None;
    std::string Title;  // empty: the program title
};

// The user's side of every message box and question the core asks. The GUI shows message boxes, the
// command-line tool asks on the terminal, tests answer from a script.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual MsgAnswer Ask(const Prompt& prompt) = 0;
    // The password dialog: shows the programming password, returns true on OK with the new one.
    virtual bool AskPassword(std::string& password) = 0;
};

// The safe choice of a question: OK for a plain message, No for yes/no, Cancel otherwise.
MsgAnswer SafeAnswer(MsgButtons buttons);

// Answers every question with its safe choice (OK for a plain message, Cancel or No otherwise) and
// never shows anything; the state uses it until a shell installs its own.
class SilentPrompter : public Prompter {
public:
    MsgAnswer Ask(const Prompt& prompt) override;
    bool AskPassword(std::string&) override { return false; }
};

}  // namespace mox
