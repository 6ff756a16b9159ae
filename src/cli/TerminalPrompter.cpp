#include "cli/TerminalPrompter.h"

#include "link/PasswordText.h"

#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>
#include <string>

namespace mox::cli {
namespace {

// The read, write and band questions and the version question, which --yes agrees to.
bool IsTransferQuestion(int number) {
    return number == 9004 || number == 9005 || number == 9014 || number == 9062;
}

MsgAnswer AgreeingAnswer(MsgButtons buttons) {
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                              : MsgAnswer::Ok;
}

// The message boxes' line breaks are CR LF; a terminal wants LF only.
std::string TerminalText(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

struct Choice {
    char Key;
    MsgAnswer Answer;
};

std::vector<Choice> ChoicesOf(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OkCancel:
            return {{'o', MsgAnswer::Ok}, {'c', MsgAnswer::Cancel}};
        case MsgButtons::YesNo:
            return {{'y', MsgAnswer::Yes}, {'n', MsgAnswer::No}};
        case MsgButtons::YesNoCancel:
            return {{'y', MsgAnswer::Yes}, {'n', MsgAnswer::No}, {'c', MsgAnswer::Cancel}};
        case MsgButtons::RetryCancel:
            return {{'r', MsgAnswer::Retry}, {'c', MsgAnswer::Cancel}};
        default:
            return {};
    }
}

const char* ChoiceLine(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OkCancel:
            return "[o]k / [c]ancel? ";
        case MsgButtons::YesNo:
            return "[y]es / [n]o? ";
        case MsgButtons::YesNoCancel:
            return "[y]es / [n]o / [c]ancel? ";
        default:
            return "[r]etry / [c]ancel? ";
    }
}

}  // namespace

TerminalPrompter::TerminalPrompter(bool yes, bool interactive, std::istream& in, std::ostream& out)
    : m_yes(yes), m_interactive(interactive), m_in(in), m_out(out) {}

bool TerminalPrompter::WasShown(int number) const {
    return std::find(m_shown.begin(), m_shown.end(), number) != m_shown.end();
}

MsgAnswer TerminalPrompter::Ask(const Prompt& prompt) {
    m_shown.push_back(prompt.TextNumber);
    m_out << TerminalText(prompt.Text) << '\n';
    if (prompt.Buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    if (m_yes && IsTransferQuestion(prompt.TextNumber)) {
        MsgAnswer answer = AgreeingAnswer(prompt.Buttons);
        m_out << (answer == MsgAnswer::Yes ? "(yes)\n" : "(ok)\n");
        return answer;
    }
    if (!m_interactive) {
        m_out << "(no answer possible: cancelled)\n";
        return SafeAnswer(prompt.Buttons);
    }
    return AskOnTerminal(prompt);
}

MsgAnswer TerminalPrompter::AskOnTerminal(const Prompt& prompt) {
    const std::vector<Choice> choices = ChoicesOf(prompt.Buttons);
    for (;;) {
        m_out << ChoiceLine(prompt.Buttons) << std::flush;
        std::string line;
        if (!std::getline(m_in, line))
            return SafeAnswer(prompt.Buttons);
        const char key =
            line.empty() ? '\0' : static_cast<char>(std::tolower(static_cast<unsigned char>(line[0])));
        for (const Choice& choice : choices) {
            if (key == choice.Key)
                return choice.Answer;
        }
    }
}

bool TerminalPrompter::AskPassword(std::string& password) {
    m_shown.push_back(0);
    if (!m_interactive) {
        m_out << "The radio has a password; give it with --password.\n";
        return false;
    }
    m_out << "Password: " << std::flush;
    termios saved{};
    const bool isTerminal = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (isTerminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    const bool ok = static_cast<bool>(std::getline(m_in, line));
    if (isTerminal)
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    m_out << '\n';
    if (!ok)
        return false;
    // The password box takes at most four characters.
    password = PasswordFromTyped(line.substr(0, 4));
    return true;
}

}  // namespace mox::cli
