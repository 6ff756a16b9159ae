#pragma once

#include <iosfwd>
#include <vector>

#include "services/Prompter.h"

namespace mox::cli {

// Messages and questions on the terminal. Messages go to stderr. The questions before a transfer
// (read 9004, write 9005, band 9014, the version question) are answered OK/Yes by --yes; any question
// is asked when stdin is a terminal, and otherwise gets its safe answer (Cancel or No), so a script
// never hangs on a question nobody can answer.
class TerminalPrompter : public Prompter {
public:
    TerminalPrompter(bool yes, bool interactive, std::istream& in, std::ostream& out);

    MsgAnswer Ask(const Prompt& prompt) override;
    bool AskPassword(std::string& password) override;

    // The text numbers of every message and question shown, in order.
    const std::vector<int>& Shown() const { return m_shown; }
    bool WasShown(int number) const;

private:
    MsgAnswer AskOnTerminal(const Prompt& prompt);

    bool m_yes;
    bool m_interactive;
    std::istream& m_in;
    std::ostream& m_out;
    std::vector<int> m_shown;
};

}  // namespace mox::cli
