#include "link/Packets.h"
#include "link/TransferEngine.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr int kProgramRequests = 4;

}  // namespace

void TransferEngine::OnReplyTimeout() {
    switch (m_state.Transfer.Kind) {
        case TransferKind::SettingsSearch:
            ContinueAfterSearch(m_search.OnTimeout());
            break;
        case TransferKind::ReadImage:
        case TransferKind::WriteImage:
            OnImageTimeout();
            break;
        case TransferKind::ReadRadioInfo:
            OnRadioInfoTimeout();
            break;
        default:
            break;
    }
}

void TransferEngine::OnImageTimeout() {
    TransferState& transfer = m_state.Transfer;
    switch (transfer.Step) {
        case TransferStep::ProgramSent:
            if (++transfer.ProgramAttempts < kProgramRequests)
                SendProgram();
            else if (m_state.FactoryTestMode)
                AskFailureQuestion();
            else
                StartSearch();
            break;
        case TransferStep::IdentifySent:
            if (transfer.IdentifyRetries-- >= 2)
                m_channel.Send(IdentifyRequest(), kIdentificationLength);
            else if (m_state.FactoryTestMode)
                AskFailureQuestion();
            else
                StartSearch();
            break;
        case TransferStep::PasswordBlockSent:
            if (transfer.PasswordBlockRetries-- >= 2)
                m_channel.Send(ReadRequest(kPasswordBlockAddress), kDataReplyLength);
            else
                AskFailureQuestion();
            break;
        case TransferStep::ReadingBlocks:
        case TransferStep::WritingBlocks:
            RetryBlock();
            break;
        case TransferStep::EndSent:
            // The radio has everything; an unanswered end request does not undo that.
            FinishTransfer(true);
            break;
        default:
            break;
    }
}

void TransferEngine::RetryBlock() {
    TransferState& transfer = m_state.Transfer;
    int* retries = &transfer.TestBlockRetries;
    if (!transfer.TestBlockInFlight) {
        const int index = transfer.CurrentAddress / kDataBlockLength;
        if (transfer.CurrentAddress < 0 || index >= static_cast<int>(transfer.BlockRetries.size())) {
            AskFailureQuestion();
            return;
        }
        retries = &transfer.BlockRetries[static_cast<std::size_t>(index)];
    }
    if (*retries < 1) {
        AskFailureQuestion();
        return;
    }
    --*retries;
    SendCurrentBlock();
}

void TransferEngine::OnRadioInfoTimeout() {
    TransferState& transfer = m_state.Transfer;
    if (transfer.Step == TransferStep::ProgramSent && ++transfer.ProgramAttempts < kProgramRequests)
        SendProgram();
    else if (transfer.Step == TransferStep::EndSent)
        FinishTransfer(true);
    else
        AskRetryQuestion();
}

void TransferEngine::OnPortLost() {
    switch (m_state.Transfer.Kind) {
        case TransferKind::SettingsSearch:
            ContinueAfterSearch(m_search.OnPortLost());
            break;
        case TransferKind::ReadImage:
        case TransferKind::WriteImage:
            // After the end request the radio has everything, as when its acknowledgement is missing.
            if (m_state.Transfer.Step == TransferStep::EndSent)
                FinishTransfer(true);
            else if (m_state.Transfer.Step != TransferStep::Idle)
                AskFailureQuestion();
            break;
        case TransferKind::ReadRadioInfo:
            if (m_state.Transfer.Step == TransferStep::EndSent)
                FinishTransfer(true);
            else
                AskRetryQuestion();
            break;
        default:
            break;
    }
}

void TransferEngine::StartSearch() {
    ContinueAfterSearch(m_search.Start());
}

void TransferEngine::ContinueAfterSearch(SettingsSearch::Outcome outcome) {
    TransferState& transfer = m_state.Transfer;
    switch (outcome) {
        case SettingsSearch::Outcome::Running:
            break;
        case SettingsSearch::Outcome::Found:
            // The search has taken the identity; a write-protected radio is refused here as well.
            transfer.Step = TransferStep::IdentifySent;
            if (transfer.Kind == TransferKind::WriteImage && RefuseWriteByFeatures())
                break;
            AdvanceTransfer();
            break;
        case SettingsSearch::Outcome::Fallback:
            m_channel.NewRun();
            transfer.ProgramAttempts = 0;
            transfer.IdentifyRetries = 3;
            transfer.PasswordBlockRetries = 3;
            SendProgram();
            break;
        case SettingsSearch::Outcome::Failed:
            AskFailureQuestion(SearchTriedText(m_state, m_search.Attempts()));
            break;
    }
}

void TransferEngine::AskFailureQuestion(const std::string& tried) {
    TransferState& transfer = m_state.Transfer;
    m_channel.StopTimer();
    transfer.Waiting = false;
    transfer.ProgramAttempts = 0;
    transfer.IdentifyRetries = 3;
    transfer.PasswordBlockRetries = 3;
    MsgAnswer answer = MsgAnswer::Cancel;
    if (!StillRunsAfter([&] {
            std::string text = GetLanguageText(m_state, 9008);
            if (!tried.empty())
                text += "\r\n\r\n" + tried;
            answer = ShowText(m_state, text, MsgButtons::OkCancel, MsgIcon::Question, 9008);
        }))
        return;
    if (answer == MsgAnswer::Ok)
        RestartFromProgram();
    else
        FinishTransfer(false);
}

// Starts again from "PROGRAM" and from address 0; the block retry table keeps its counts.
void TransferEngine::RestartFromProgram() {
    m_channel.NewRun();
    TransferState& transfer = m_state.Transfer;
    transfer.CurrentAddress = -16;
    transfer.TestBlockInFlight = false;
    transfer.ShownPercent = 0;
    m_progress.SetPercent(0);
    if (EnsurePortOpen())
        SendProgram();
}

void TransferEngine::AskRetryQuestion() {
    TransferState& transfer = m_state.Transfer;
    m_channel.StopTimer();
    transfer.Waiting = false;
    MsgAnswer answer = MsgAnswer::Cancel;
    if (!StillRunsAfter([&] { answer = ShowMessage(m_state, 9008, MsgButtons::RetryCancel); }))
        return;
    if (answer != MsgAnswer::Retry) {
        FinishTransfer(false);
        return;
    }
    m_channel.NewRun();
    // The block that timed out is asked for again after the handshake, so the information block has
    // no gap.
    if (transfer.Step == TransferStep::ReadingBlocks)
        transfer.CurrentAddress -= kDataBlockLength;
    if (EnsurePortOpen())
        SendProgram();
}

}  // namespace mox
