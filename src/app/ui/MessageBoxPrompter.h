#pragma once

#include <functional>

#include "services/Prompter.h"

class QWidget;

namespace mox {

// Message boxes with the platform's icons and standard buttons; the title is the program title unless
// the prompt names another.
class MessageBoxPrompter : public Prompter {
public:
    MessageBoxPrompter(std::function<QWidget*()> parent, std::function<std::string()> programTitle);
    MsgAnswer Ask(const Prompt& prompt) override;
    bool AskPassword(std::string& password) override;
    // The password dialog belongs to the link's windows; the main window installs it here.
    std::function<bool(std::string&)> PasswordDialog;
    // The language text of a number, for the captions of the buttons.
    std::function<std::string(int)> Text;

private:
    std::function<QWidget*()> m_parent;
    std::function<std::string()> m_programTitle;
};

}  // namespace mox
