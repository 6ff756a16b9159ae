#include "support/ScriptedPrompter.h"

namespace mox::test {

MsgAnswer ScriptedPrompter::Ask(const Prompt& prompt) {
    Prompts.push_back(prompt);
    if (!m_answers.empty()) {
        const MsgAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return SilentPrompter().Ask(prompt);
}

bool ScriptedPrompter::AskPassword(std::string& password) {
    ++PasswordDialogs;
    if (m_passwords.empty())
        return false;
    const PasswordAnswer answer = m_passwords.front();
    m_passwords.pop_front();
    if (answer.Ok)
        password = answer.Text;
    return answer.Ok;
}

std::vector<int> ScriptedPrompter::Numbers() const {
    std::vector<int> numbers;
    for (const Prompt& p : Prompts)
        numbers.push_back(p.TextNumber);
    return numbers;
}

}  // namespace mox::test
