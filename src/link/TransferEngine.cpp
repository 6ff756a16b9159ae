#include "link/TransferEngine.h"

#include <string>

#include "files/DocumentEdits.h"
#include "image/RadioImagePacking.h"
#include "image/RadioInfoBlock.h"
#include "link/Packets.h"
#include "link/PortDiagnostics.h"
#include "services/FilledText.h"
#include "services/NumberText.h"
#include "services/Texts.h"

namespace mox {

namespace {

// The editors need a moment to commit what is being typed before the image is packed.
constexpr int kWriteStartDelayMs = 100;
// The editor windows have closed before the records change under them.
constexpr int kReadDoneDelayMs = 500;
constexpr int kBlockRetries = 3;

bool IsImageTransfer(TransferKind kind) {
    return kind == TransferKind::ReadImage || kind == TransferKind::WriteImage;
}

}  // namespace

TransferEngine::TransferEngine(LinkContext& state, SerialPort& port, TimerFactory& timers, PortMap& ports,
                               LinkShell& shell, ProgressView& progress)
    : m_state(state),
      m_shell(shell),
      m_progress(progress),
      m_channel(state.Transfer, port, timers, ports),
      m_search(state, m_channel, ports, progress, shell) {
    m_channel.TimedOut = [this] { OnReplyTimeout(); };
    m_channel.ReplyArrived = [this](const Bytes& reply) { OnReply(reply); };
    m_channel.Lost = [this] { OnPortLost(); };
    m_readOkTimer = timers.Create([this] { m_channel.Post([this] { OnReadDone(); }); });
    m_waitSaveDataTimer = timers.Create([this] { StartWrite(); });
}

TransferEngine::~TransferEngine() = default;

void TransferEngine::SetOptions(const TransferOptions& options) {
    m_options = options;
    m_channel.Recorder = options.Recorder;
    m_search.SearchOwnPortOnly(options.SearchOwnPortOnly);
}

bool TransferEngine::IsBusy() const {
    return m_state.Transfer.Kind != TransferKind::None || m_readOkTimer->IsActive() ||
           m_waitSaveDataTimer->IsActive() || m_channel.HandlerRunning();
}

bool TransferEngine::StillRunsAfter(const std::function<void()>& question) {
    const std::uint64_t run = m_channel.Run();
    question();
    return run == m_channel.Run();
}

void TransferEngine::ReadFromRadio() {
    if (IsBusy())
        return;
    m_shell.CommitChannelEdit();
    if (!PrepareTransfer(TransferKind::ReadImage))
        return;
    EraseRadioImage(m_state.Image, m_state.Transfer.Kind == TransferKind::ReadRadioInfo);
    m_progress.OpenModal(GetLanguageText(m_state, 9027),
                         [this] { m_channel.Post([this] { StartTransfer(); }); });
}

void TransferEngine::WriteToRadio() {
    if (IsBusy())
        return;
    m_shell.CommitAllEditors();
    m_waitSaveDataTimer->Start(kWriteStartDelayMs);
}

void TransferEngine::StartWrite() {
    if (!PrepareTransfer(TransferKind::WriteImage))
        return;
    EraseRadioImage(m_state.Image, m_state.Transfer.Kind == TransferKind::ReadRadioInfo);
    const PackResult packed = PackRadioImage(m_state, m_state);
    if (!packed.Ok) {
        // A channel damaged beyond packing would reach the radio as garbage: nothing is sent.
        m_state.Transfer.Kind = TransferKind::None;
        const std::string text =
            FilledText(GetLanguageText(m_state, 30001), WholeNumberText(packed.BadChannel));
        ShowText(m_state, text, MsgButtons::Ok, MsgIcon::Error, 30001);
        return;
    }
    m_progress.OpenModal(GetLanguageText(m_state, 9028),
                         [this] { m_channel.Post([this] { StartTransfer(); }); });
}

void TransferEngine::ReadRMGDataFromRadio(const std::function<void()>& beforeRead) {
    if (IsBusy())
        return;
    if (!OpenLinkPort(TransferKind::ReadRadioInfo))
        return;
    if (beforeRead)
        beforeRead();
    if (m_options.Recorder)
        m_options.Recorder->TransferStarted(TransferKind::ReadRadioInfo);
    m_state.Transfer.ProgramAttempts = 0;
    m_state.Transfer.IdentifyRetries = 3;
    SendProgram();
}

// Kind, step Idle, the port opened once as a test, and the user's go-ahead.
bool TransferEngine::PrepareTransfer(TransferKind kind) {
    if (!OpenLinkPort(kind))
        return false;
    m_channel.Close();
    const int question = kind == TransferKind::ReadImage ? 9004 : 9005;
    if (ShowMessage(m_state, question, MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok) {
        m_state.Transfer.Kind = TransferKind::None;
        return false;
    }
    return true;
}

bool TransferEngine::OpenLinkPort(TransferKind kind) {
    m_channel.NewRun();
    m_state.Transfer.Kind = kind;
    m_state.Transfer.Step = TransferStep::Idle;
    m_state.Transfer.Identity = {};
    SetTransferParameters(kind);
    m_channel.StopTimer();
    if (m_channel.Open(m_state.Link))
        return true;
    ShowOpenFailure();
    m_state.Transfer.Kind = TransferKind::None;
    return false;
}

void TransferEngine::SetTransferParameters(TransferKind kind) {
    TransferState& transfer = m_state.Transfer;
    transfer.BlockLength = kDataBlockLength;
    const bool info = kind == TransferKind::ReadRadioInfo;
    transfer.CurrentAddress = info ? 2816 : -16;
    transfer.LastAddress = info ? 3327 : 2831;
    transfer.ShownPercent = 0;
    // One entry per block, up to the nearest integer to the last address / 16.
    const int entries = (transfer.LastAddress + kDataBlockLength / 2) / kDataBlockLength + 1;
    transfer.BlockRetries.assign(static_cast<std::size_t>(entries), kBlockRetries);
    transfer.TestBlockRetries = kBlockRetries;
    transfer.TestBlockInFlight = false;
}

// The progress window is on screen.
void TransferEngine::StartTransfer() {
    if (m_options.Recorder)
        m_options.Recorder->TransferStarted(m_state.Transfer.Kind);
    if (!EnsurePortOpen())
        return;
    TransferState& transfer = m_state.Transfer;
    transfer.ProgramAttempts = 0;
    transfer.IdentifyRetries = 3;
    transfer.PasswordBlockRetries = 3;
    SendProgram();
}

// A port that failed since the last request (an adapter pulled out) ends the transfer with a clear
// message instead of timing out forever.
bool TransferEngine::EnsurePortOpen() {
    if (m_channel.IsOpen() || m_channel.Open(m_state.Link))
        return true;
    if (StillRunsAfter([this] { ShowOpenFailure(); }))
        FinishTransfer(false);
    return false;
}

// Text 9003 with the reason the port would not open below it.
void TransferEngine::ShowOpenFailure() {
    const std::string text = WithOpenProblem(m_state, GetLanguageText(m_state, 9003), m_state.Link.PortNumber,
                                             m_channel.LastOpenFailure());
    ShowText(m_state, text, MsgButtons::Ok, MsgIcon::Error, 9003);
}

void TransferEngine::FinishTransfer(bool success) {
    if (success && m_state.Transfer.Kind == TransferKind::WriteImage && m_options.VerifyAfterWrite) {
        StartVerification();
        return;
    }
    m_channel.NewRun();
    if (!success)
        m_channel.SendAndClose(EndRequest());
    TransferState& transfer = m_state.Transfer;
    const TransferKind kind = transfer.Kind;
    transfer.Waiting = false;
    transfer.ProgramAttempts = 0;
    transfer.IdentifyRetries = 3;
    transfer.PasswordBlockRetries = 3;
    transfer.TestBlockInFlight = false;
    m_channel.Close();
    if (IsImageTransfer(kind))
        m_progress.Close();
    // The transfer is over before any window or message comes up, so nothing shown from here can
    // meet a half-finished transfer.
    m_channel.StopTimer();
    transfer.Kind = TransferKind::None;
    transfer.Step = TransferStep::Idle;
    if (m_options.Recorder)
        m_options.Recorder->TransferEnded(success);
    if (m_written) {
        FinishVerification(success);
        return;
    }
    if (!success)
        return;
    if (kind == TransferKind::ReadImage) {
        m_shell.CloseCurAllWindows();
        m_readOkTimer->Start(kReadDoneDelayMs);
    } else if (kind == TransferKind::ReadRadioInfo) {
        UnpackRadioInfoBlock(m_state.InfoBlock, m_state.Model, m_state.Info);
        m_shell.ShowRadioInfoWindow();
    } else if (kind == TransferKind::WriteImage) {
        KeepBackup(kind);
    }
    if (IsImageTransfer(kind))
        ShowMessage(m_state, 9008 + static_cast<int>(kind), MsgButtons::Ok);
}

void TransferEngine::OnReadDone() {
    UnpackRadioImage(m_state, m_state);
    // The document is named before the main window re-captions itself, so the caption shows the
    // name of what is now on screen.
    m_state.Document.CurrentPath = "new.dat";
    m_state.Document.IsNew = true;
    StartHistory(m_state);
    m_shell.ShowReadData();
    KeepBackup(TransferKind::ReadImage);
}

}  // namespace mox
