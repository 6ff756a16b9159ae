#include <algorithm>

#include "link/Packets.h"
#include "link/PasswordText.h"
#include "link/RadioIdentityReply.h"
#include "link/TransferEngine.h"
#include "services/Texts.h"

namespace mox {

void TransferEngine::OnReply(const Bytes& reply) {
    TransferState& transfer = m_state.Transfer;
    if (!transfer.Waiting)
        return;
    if (transfer.Kind == TransferKind::SettingsSearch) {
        ContinueAfterSearch(m_search.OnReply(reply));
        return;
    }
    if (IsAck(reply) || IsProgramAck(reply)) {
        AdvanceTransfer();
        return;
    }
    if (IsResend(reply)) {
        // Only a write block can be asked for again; after the end request there is none.
        if (transfer.Step == TransferStep::WritingBlocks) {
            m_channel.StopTimer();
            SendCurrentBlock();
        }
        return;
    }
    if (IsIdentification(reply)) {
        OnIdentification(reply);
        return;
    }
    if (const auto data = ParseDataReply(reply))
        OnDataReply(*data);
}

void TransferEngine::OnIdentification(const Bytes& reply) {
    const TransferKind kind = m_state.Transfer.Kind;
    // The information read leaves the image and the feature flags alone; what the radio says of
    // itself is only noted.
    if (kind == TransferKind::ReadRadioInfo)
        m_state.Transfer.Identity = IdentityOf(reply);
    else
        TakeIdentity(reply, m_state.FactoryTestMode, m_state.Transfer.Identity, m_state);
    if (kind == TransferKind::WriteImage && RefuseWriteByFeatures())
        return;
    AdvanceTransfer();
}

// Feature bits 3 and 2 mark a radio that must not be written.
bool TransferEngine::RefuseWriteByFeatures() {
    const auto& flags = m_state.Features.Current;
    if (flags[0] == 0 && flags[1] == 0)
        return false;
    m_channel.StopTimer();
    if (StillRunsAfter([&] { ShowMessage(m_state, flags[0] != 0 ? 9031 : 9032, MsgButtons::Ok); }))
        FinishTransfer(false);
    return true;
}

void TransferEngine::OnDataReply(const DataReply& reply) {
    const TransferState& transfer = m_state.Transfer;
    if (reply.Address == kFactoryTestBlockAddress) {
        OnTestBlockReply(reply);
        return;
    }
    if (reply.Address == kPasswordBlockAddress && transfer.Step == TransferStep::PasswordBlockSent) {
        CheckPassword(reply);
        return;
    }
    if (transfer.TestBlockInFlight || reply.Address != transfer.CurrentAddress ||
        static_cast<int>(reply.Data.size()) != transfer.BlockLength)
        return;
    StoreBlock(reply);
    if (transfer.Kind == TransferKind::ReadImage)
        UpdateProgress();
    AdvanceTransfer();
}

void TransferEngine::OnTestBlockReply(const DataReply& reply) {
    TransferState& transfer = m_state.Transfer;
    if (!transfer.TestBlockInFlight || reply.Data.size() != m_state.WorkingTestData.size())
        return;
    std::copy(reply.Data.begin(), reply.Data.end(), m_state.WorkingTestData.begin());
    AdvanceTransfer();
}

void TransferEngine::StoreBlock(const DataReply& reply) {
    const int address = reply.Address;
    const int length = static_cast<int>(reply.Data.size());
    if (address >= 0 && address + length <= kRadioImageSize) {
        std::copy(reply.Data.begin(), reply.Data.end(), m_state.Image.begin() + address);
    } else if (address >= kRadioInfoBlockAddress &&
               address + length <= kRadioInfoBlockAddress + kRadioInfoBlockSize) {
        std::copy(reply.Data.begin(), reply.Data.end(),
                  m_state.InfoBlock.begin() + (address - kRadioInfoBlockAddress));
    }
}

void TransferEngine::CheckPassword(const DataReply& block) {
    const std::string radioPassword = RadioPasswordOf(block.Data);
    if (radioPassword.empty() || radioPassword == m_state.ProgrammingPassword) {
        AdvanceTransfer();
        return;
    }
    // The user may take longer than a reply time-out to type the password.
    m_channel.StopTimer();
    std::string typed = m_state.ProgrammingPassword;
    bool typedOk = false;
    if (!StillRunsAfter([&] { typedOk = m_state.Prompts->AskPassword(typed); }))
        return;
    if (typedOk)
        m_state.ProgrammingPassword = PasswordFromTyped(typed);
    if (m_state.ProgrammingPassword == radioPassword) {
        AdvanceTransfer();
        return;
    }
    if (StillRunsAfter([this] { ShowText(m_state, "PassWord Failure!", MsgButtons::Ok); }))
        FinishTransfer(false);
}

}  // namespace mox
