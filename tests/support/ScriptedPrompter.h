#pragma once

#include <deque>
#include <string>
#include <vector>

#include "services/Prompter.h"
#include "services/Views.h"

namespace mox::test {

// Records every prompt and answers from a script; with the script used up it answers OK, or Cancel
// and No for questions.
class ScriptedPrompter : public Prompter {
public:
    MsgAnswer Ask(const Prompt& prompt) override;
    bool AskPassword(std::string& password) override;

    void Answer(MsgAnswer answer) { m_answers.push_back(answer); }
    // The password dialog's answers: a text for OK, nothing for Cancel.
    void AnswerPassword(std::string password) { m_passwords.push_back({true, std::move(password)}); }
    void CancelPassword() { m_passwords.push_back({false, {}}); }

    std::vector<Prompt> Prompts;
    int PasswordDialogs = 0;
    std::vector<int> Numbers() const;

private:
    struct PasswordAnswer {
        bool Ok;
        std::string Text;
    };
    std::deque<MsgAnswer> m_answers;
    std::deque<PasswordAnswer> m_passwords;
};

// Records what the core asked the windows to redraw.
class RecordingViews : public Views {
public:
    void ChannelChanged(int number) override { Changed.push_back(number); }
    void ChannelReferencesChanged() override { ++ReferenceRedraws; }
    void EditGroupChanged() override { ++ListGroupChanges; }

    std::vector<int> Changed;
    int ReferenceRedraws = 0;
    int ListGroupChanges = 0;  // the channel list was made to show the editor's group
};

}  // namespace mox::test
