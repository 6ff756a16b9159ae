#include "link/CompatibilityCheck.h"
#include "link/Packets.h"
#include "link/TransferEngine.h"
#include "services/Versions.h"

namespace mox {

void TransferEngine::AdvanceTransfer() {
    m_channel.StopTimer();
    switch (m_state.Transfer.Kind) {
        case TransferKind::ReadImage:
        case TransferKind::WriteImage:
            AdvanceImageTransfer();
            break;
        case TransferKind::ReadRadioInfo:
            AdvanceRadioInfoRead();
            break;
        default:
            break;
    }
}

void TransferEngine::AdvanceImageTransfer() {
    TransferState& transfer = m_state.Transfer;
    switch (transfer.Step) {
        case TransferStep::ProgramSent:
            transfer.Step = TransferStep::IdentifySent;
            m_channel.Send(IdentifyRequest(), kIdentificationLength);
            break;
        case TransferStep::IdentifySent:
            transfer.Step = TransferStep::PasswordBlockSent;
            m_channel.Send(ReadRequest(kPasswordBlockAddress), kDataReplyLength);
            break;
        case TransferStep::PasswordBlockSent:
            AfterCompatibilityCheck();
            break;
        case TransferStep::ReadingBlocks:
        case TransferStep::WritingBlocks:
            SendNextBlock();
            break;
        case TransferStep::EndSent:
            FinishTransfer(true);
            break;
        default:
            break;
    }
}

void TransferEngine::AdvanceRadioInfoRead() {
    TransferState& transfer = m_state.Transfer;
    switch (transfer.Step) {
        case TransferStep::ProgramSent:
            transfer.Step = TransferStep::IdentifySent;
            m_channel.Send(IdentifyRequest(), kIdentificationLength);
            break;
        case TransferStep::IdentifySent:
        case TransferStep::ReadingBlocks:
            transfer.Step = TransferStep::ReadingBlocks;
            SendNextBlock();
            break;
        case TransferStep::EndSent:
            FinishTransfer(true);
            break;
        default:
            FinishTransfer(false);
            break;
    }
}

void TransferEngine::AfterCompatibilityCheck() {
    TransferState& transfer = m_state.Transfer;
    CompatibilityResult result = CompatibilityResult::Failed;
    if (!StillRunsAfter([&] {
            result = CheckCompatibility(m_state, m_state.Model, transfer.Identity, m_state.FactoryTestMode,
                                        transfer.Kind);
        }))
        return;
    if (result != CompatibilityResult::Passed) {
        const std::string radioVersion = transfer.Identity.Version;
        // The radio leaves programming mode and the port is closed before another program version
        // takes over.
        FinishTransfer(false);
        if (result == CompatibilityResult::SwitchVersion)
            SwitchToVersion(m_state, radioVersion);
        return;
    }
    const bool read = transfer.Kind == TransferKind::ReadImage;
    transfer.Step = read ? TransferStep::ReadingBlocks : TransferStep::WritingBlocks;
    // The read-back after a write compares the image only, and must not replace the test data.
    if (m_state.FactoryTestMode && !m_written)
        SendTestBlock();
    else
        SendNextBlock();
}

void TransferEngine::SendProgram() {
    m_state.Transfer.Step = TransferStep::ProgramSent;
    m_channel.SendProgram();
}

void TransferEngine::SendNextBlock() {
    TransferState& transfer = m_state.Transfer;
    transfer.TestBlockInFlight = false;
    transfer.CurrentAddress += kDataBlockLength;
    if (transfer.CurrentAddress >= transfer.LastAddress) {
        transfer.Step = TransferStep::EndSent;
        m_channel.Send(EndRequest(), kAckLength);
        return;
    }
    if (transfer.Step == TransferStep::WritingBlocks)
        UpdateProgress();
    SendCurrentBlock();
}

void TransferEngine::SendCurrentBlock() {
    const TransferState& transfer = m_state.Transfer;
    if (transfer.TestBlockInFlight) {
        SendTestBlock();
        return;
    }
    const int address = transfer.CurrentAddress;
    if (transfer.Step != TransferStep::WritingBlocks) {
        m_channel.Send(ReadRequest(address), kDataReplyLength);
        return;
    }
    if (address >= 0 && address + kDataBlockLength <= kRadioImageSize)
        m_channel.Send(WriteBlock(address, m_state.Image.data() + address), kAckLength);
}

// The factory test block goes before the image; it has no place in the image, so the current address
// stays where it is and the image blocks follow from address 0.
void TransferEngine::SendTestBlock() {
    TransferState& transfer = m_state.Transfer;
    transfer.TestBlockInFlight = true;
    if (transfer.Step == TransferStep::WritingBlocks) {
        m_state.WorkingTestData.back() = 0xA5;
        m_channel.Send(WriteBlock(kFactoryTestBlockAddress, m_state.WorkingTestData.data()), kAckLength);
    } else {
        m_channel.Send(ReadRequest(kFactoryTestBlockAddress), kDataReplyLength);
    }
}

void TransferEngine::UpdateProgress() {
    TransferState& transfer = m_state.Transfer;
    if (transfer.CurrentAddress < 0 || transfer.LastAddress <= 0)
        return;
    // The nearest integer to address * 100 / last address.
    const int percent = (transfer.CurrentAddress * 200 + transfer.LastAddress) / (2 * transfer.LastAddress);
    if (percent - transfer.ShownPercent < 1)
        return;
    transfer.ShownPercent = percent;
    m_progress.SetPercent(percent);
}

}  // namespace mox
