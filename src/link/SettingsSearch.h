#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "link/LinkChannel.h"
#include "link/LinkContext.h"
#include "link/LinkViews.h"
#include "link/PortMap.h"
#include "link/SearchReport.h"

namespace mox {

// The progress caption while the search runs; fixed in the program, not in the language files.
std::string SearchCaption(int language);

// Looks for the port, handshaking and stop bits a radio answers on, when it did not answer a read or
// a write with the link settings: every candidate port with stop bits 1 and handshaking 0..3, then
// stop bits 2 and handshaking 0..3, four "PROGRAM" requests each. The transfer's engine forwards the
// reply timer, replies and a lost port while the transfer kind is SettingsSearch, and carries on
// according to the outcome.
class SettingsSearch {
public:
    enum class Outcome {
        Running,
        // A radio of the current model answered; the port is open with the settings, which are now
        // the link settings; its identity has been taken.
        Found,
        // Only a radio of another model answered; its settings are now the link settings and the
        // port is open with them, so the transfer can start again from "PROGRAM".
        Fallback,
        // Nothing answered; the port is closed.
        Failed
    };

    SettingsSearch(LinkContext& state, LinkChannel& channel, PortMap& ports, ProgressView& progress,
                   LinkShell& shell);

    Outcome Start();
    Outcome OnTimeout();
    Outcome OnReply(const Bytes& reply);
    Outcome OnPortLost();

    // See TransferOptions::SearchOwnPortOnly.
    void SearchOwnPortOnly(bool ownPortOnly) { m_ownPortOnly = ownPortOnly; }

    // What the last search tried, port by port; empty when there was no port to try.
    const std::vector<SearchAttempt>& Attempts() const { return m_attempts; }

private:
    struct Candidate {
        int PortNumber = 1;
        int Handshaking = 0;
        int StopBits = 1;
    };

    Outcome TrySetting();
    Outcome MoveOn();
    Outcome Exhausted();
    Outcome Identified();
    void Restore();
    void Adopt(const Candidate& candidate);
    LinkSettings SettingsOf(const Candidate& candidate) const;
    void NoteAttempt(const PortOpenFailure& failure);

    LinkContext& m_state;
    LinkChannel& m_channel;
    PortMap& m_ports;
    ProgressView& m_progress;
    LinkShell& m_shell;

    TransferKind m_savedKind = TransferKind::None;
    std::vector<int> m_candidates;
    std::size_t m_index = 0;
    Candidate m_current;
    std::optional<Candidate> m_fallback;
    std::vector<SearchAttempt> m_attempts;
    bool m_ownPortOnly = false;
};

}  // namespace mox
