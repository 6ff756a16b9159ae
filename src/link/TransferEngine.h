#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "link/LinkChannel.h"
#include "link/LinkContext.h"
#include "link/LinkViews.h"
#include "link/PortMap.h"
#include "link/SettingsSearch.h"
#include "link/Timer.h"
#include "link/TransferOptions.h"

namespace mox {

struct DataReply;

// The read and write protocol: one engine per program, driven by the main window's commands, the
// reply timer and the port's data arrival. The transfer kind, step and counters live in
// the link context's Transfer.
class TransferEngine {
public:
    TransferEngine(LinkContext& state, SerialPort& port, TimerFactory& timers, PortMap& ports,
                   LinkShell& shell, ProgressView& progress);
    ~TransferEngine();
    TransferEngine(const TransferEngine&) = delete;
    TransferEngine& operator=(const TransferEngine&) = delete;

    // The read command (`mnuReadFromRadio`).
    void ReadFromRadio();
    // The write command (`mnuWriteToRadio`): the editors commit first, the write starts 100 ms later.
    void WriteToRadio();
    // The radio information read (`ReadRMGDataFromRadio`). `beforeRead` runs only when the read
    // starts (no transfer runs and the port opened), so what it clears away stays when nothing can
    // start.
    void ReadRMGDataFromRadio(const std::function<void()>& beforeRead = {});
    // A transfer runs or is about to start or finish, or one of its handlers has not returned yet; a
    // second command would tear it apart.
    bool IsBusy() const;

    // Verification, backups and the serial trace; they apply from the next transfer on.
    void SetOptions(const TransferOptions& options);

private:
    // Runs a question of a running transfer. False when that transfer has ended or started again while
    // the question was open: the handler that asked must stop.
    bool StillRunsAfter(const std::function<void()>& question);

    // Commands
    bool PrepareTransfer(TransferKind kind);
    bool OpenLinkPort(TransferKind kind);
    void SetTransferParameters(TransferKind kind);
    void StartWrite();
    void StartTransfer();
    bool EnsurePortOpen();
    void ShowOpenFailure();
    void FinishTransfer(bool success);
    void OnReadDone();
    void KeepBackup(TransferKind kind);

    // Reading the radio back after a write
    void StartVerification();
    void FinishVerification(bool readBack);

    // Replies
    void OnReply(const Bytes& reply);
    void OnIdentification(const Bytes& reply);
    bool RefuseWriteByFeatures();
    void CheckPassword(const DataReply& block);
    void OnDataReply(const DataReply& reply);
    void OnTestBlockReply(const DataReply& reply);
    void StoreBlock(const DataReply& reply);

    // Advancing
    void AdvanceTransfer();
    void AdvanceImageTransfer();
    void AdvanceRadioInfoRead();
    void AfterCompatibilityCheck();
    void SendProgram();
    void SendNextBlock();
    void SendCurrentBlock();
    void SendTestBlock();
    void UpdateProgress();

    // Time-outs and failures
    void OnReplyTimeout();
    void OnImageTimeout();
    void OnRadioInfoTimeout();
    void RetryBlock();
    void OnPortLost();
    void StartSearch();
    void ContinueAfterSearch(SettingsSearch::Outcome outcome);
    // `tried`: what a search that found nothing tried, shown below the question.
    void AskFailureQuestion(const std::string& tried = {});
    void AskRetryQuestion();
    void RestartFromProgram();

    LinkContext& m_state;
    LinkShell& m_shell;
    ProgressView& m_progress;
    LinkChannel m_channel;
    SettingsSearch m_search;
    std::unique_ptr<OneShotTimer> m_readOkTimer;
    std::unique_ptr<OneShotTimer> m_waitSaveDataTimer;
    TransferOptions m_options;
    // What the write sent, while the radio is read back to compare.
    std::optional<RadioImage> m_written;
};

}  // namespace mox
