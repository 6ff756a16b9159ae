#pragma once

#include <string>

#include "services/Prompter.h"

namespace mox {

// The questions and messages of one radio among several, answered without anybody at the screen: a
// program that writes eight radios at once cannot stop them all for one radio's question. The read or
// write question was answered once for all radios before they started; the band question of a radio
// of the same band family is agreed to only when the user said so for all radios; every other
// question gets its safe answer, which ends that radio's transfer alone. The message that ended the
// transfer is kept as the reason.
class FleetPrompter : public Prompter {
public:
    explicit FleetPrompter(bool agreeToBandQuestion) : m_agreeToBand(agreeToBandQuestion) {}

    MsgAnswer Ask(const Prompt& prompt) override;
    // There is nobody to type a password: the programming password given for all radios counts.
    bool AskPassword(std::string&) override { return false; }

    // The transfer reached its end message (the read or the write has been done).
    bool Succeeded() const { return m_succeeded; }
    // Why it failed: the text of the last message or refused question, without its question; empty
    // when nothing was said.
    const std::string& Reason() const { return m_reason; }

private:
    bool m_agreeToBand;
    bool m_succeeded = false;
    std::string m_reason;
};

// A message as the reason a transfer failed: its first line, without a closing question ("Try
// again?") that nobody answers here.
std::string ReasonOfMessage(const std::string& text);

}  // namespace mox
