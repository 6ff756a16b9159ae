#include <chrono>

#include "files/Backups.h"
#include "image/RadioImagePacking.h"
#include "link/TransferEngine.h"
#include "link/WriteVerification.h"
#include "services/FilledText.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr int kReadBackFailedText = 31701;
constexpr int kBackupFailedText = 31710;

}  // namespace

// The write has ended with the radio's acknowledgement; with the progress window still up, the same
// radio is read as a read would read it, into a fresh image.
void TransferEngine::StartVerification() {
    m_written = m_state.Image;
    m_channel.NewRun();
    m_channel.StopTimer();
    m_channel.Close();
    if (m_options.Recorder)
        m_options.Recorder->TransferEnded(true);
    TransferState& transfer = m_state.Transfer;
    transfer.Waiting = false;
    transfer.Kind = TransferKind::ReadImage;
    transfer.Step = TransferStep::Idle;
    SetTransferParameters(TransferKind::ReadImage);
    EraseRadioImage(m_state.Image, false);
    m_progress.SetCaption(GetLanguageText(m_state, 9027));
    m_progress.SetPercent(0);
    StartTransfer();
}

// The image goes back to what was written, whatever came back: the records were never unpacked from
// the read-back, so the document stays as it was.
void TransferEngine::FinishVerification(bool readBack) {
    const RadioImage written = *m_written;
    const RadioImage back = m_state.Image;
    m_written.reset();
    m_state.Image = written;
    if (!readBack) {
        ShowMessage(m_state, kReadBackFailedText, MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    if (const auto address = FirstDifference(written, back)) {
        const auto at = static_cast<std::size_t>(*address);
        ShowText(m_state, VerifyMismatchText(m_state, *address, written[at], back[at]), MsgButtons::Ok,
                 MsgIcon::Error, 31700);
        return;
    }
    KeepBackup(TransferKind::WriteImage);
    ShowMessage(m_state, 9010, MsgButtons::Ok);
}

// A backup that cannot be written is reported; the read or write it follows has succeeded all the same.
void TransferEngine::KeepBackup(TransferKind kind) {
    if (m_options.BackupFolder.empty())
        return;
    const BackupKind backup = kind == TransferKind::ReadImage ? BackupKind::Read : BackupKind::Write;
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    if (WriteBackup(m_options.BackupFolder, m_state, backup, now).empty()) {
        const std::string text =
            FilledText(GetLanguageText(m_state, kBackupFailedText), m_options.BackupFolder.string());
        ShowText(m_state, text, MsgButtons::Ok, MsgIcon::Warning, kBackupFailedText);
    }
}

}  // namespace mox
