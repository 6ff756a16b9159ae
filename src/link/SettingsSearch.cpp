#include "link/SettingsSearch.h"

#include "link/LinkSettingsFile.h"
#include "link/Packets.h"
#include "link/RadioIdentityReply.h"
#include "services/LanguageState.h"
#include "services/NumberText.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr int kProgramRequestsPerSetting = 4;
constexpr int kHighestHandshaking = 3;
constexpr int kHighestStopBits = 2;
constexpr std::size_t kMaxCandidates = 256;
constexpr int kVistaPortCount = 16;

}  // namespace

std::string SearchCaption(int language) {
    if (language == kChinese)
        return "正在匹配串口配置，可能需要几分钟，请等待。。。";
    return "Search for communication setting,please wait for a few minutes...";
}

SettingsSearch::SettingsSearch(LinkContext& state, LinkChannel& channel, PortMap& ports,
                               ProgressView& progress, LinkShell& shell)
    : m_state(state), m_channel(channel), m_ports(ports), m_progress(progress), m_shell(shell) {}

SettingsSearch::Outcome SettingsSearch::Start() {
    m_savedKind = m_state.Transfer.Kind;
    m_state.Transfer.Kind = TransferKind::SettingsSearch;
    m_fallback.reset();
    m_attempts.clear();
    m_progress.SetCaption(SearchCaption(m_state.Language.CurrentLanguage));
    m_channel.Close();
    m_candidates.clear();
    if (m_ownPortOnly) {
        m_candidates.push_back(m_state.Link.PortNumber);
    } else if (m_state.VistaFlag) {
        for (int number = 1; number <= kVistaPortCount; ++number)
            m_candidates.push_back(number);
    } else {
        m_candidates = m_ports.PortList();
        if (m_candidates.size() > kMaxCandidates)
            m_candidates.resize(kMaxCandidates);
    }
    if (m_candidates.empty()) {
        // Without any serial port there is nothing to try: the user gets the failure question rather
        // than a progress window that never closes.
        Restore();
        return Outcome::Failed;
    }
    m_index = 0;
    m_current = Candidate{m_candidates.front(), 0, 1};
    return TrySetting();
}

SettingsSearch::Outcome SettingsSearch::TrySetting() {
    while (!m_channel.Open(SettingsOf(m_current))) {
        NoteAttempt(m_channel.LastOpenFailure());
        // A port that cannot be opened is left with all its settings.
        if (++m_index >= m_candidates.size())
            return Exhausted();
        m_current = Candidate{m_candidates[m_index], 0, 1};
    }
    NoteAttempt({});
    m_state.Transfer.ProgramAttempts = 0;
    m_state.Transfer.Step = TransferStep::ProgramSent;
    m_channel.SendProgram();
    return Outcome::Running;
}

SettingsSearch::Outcome SettingsSearch::OnTimeout() {
    TransferState& transfer = m_state.Transfer;
    if (transfer.Step == TransferStep::ProgramSent &&
        ++transfer.ProgramAttempts < kProgramRequestsPerSetting) {
        m_channel.SendProgram();
        return Outcome::Running;
    }
    return MoveOn();
}

SettingsSearch::Outcome SettingsSearch::OnReply(const Bytes& reply) {
    TransferState& transfer = m_state.Transfer;
    if (transfer.Step == TransferStep::ProgramSent && IsProgramAck(reply)) {
        m_channel.StopTimer();
        transfer.Step = TransferStep::IdentifySent;
        m_channel.Send(IdentifyRequest(), kIdentificationLength);
        return Outcome::Running;
    }
    if (transfer.Step == TransferStep::IdentifySent && IsIdentification(reply)) {
        m_channel.StopTimer();
        TakeIdentity(reply, m_state.FactoryTestMode, m_state.Transfer.Identity, m_state);
        return Identified();
    }
    return Outcome::Running;
}

SettingsSearch::Outcome SettingsSearch::OnPortLost() {
    return MoveOn();
}

SettingsSearch::Outcome SettingsSearch::Identified() {
    const std::string radioModel = ComparableModelCode(m_state.Transfer.Identity.ModelCode);
    if (radioModel == ComparableModelCode(m_state.Model.ModelCode)) {
        Restore();
        Adopt(m_current);
        return Outcome::Found;
    }
    if (!m_fallback)
        m_fallback = m_current;
    return MoveOn();
}

SettingsSearch::Outcome SettingsSearch::MoveOn() {
    m_channel.StopTimer();
    if (++m_current.Handshaking > kHighestHandshaking) {
        m_current.Handshaking = 0;
        if (++m_current.StopBits > kHighestStopBits) {
            m_current.StopBits = 1;
            if (++m_index >= m_candidates.size())
                return Exhausted();
            m_current.PortNumber = m_candidates[m_index];
        }
    }
    return TrySetting();
}

SettingsSearch::Outcome SettingsSearch::Exhausted() {
    Restore();
    if (m_fallback) {
        Adopt(*m_fallback);
        if (m_channel.Open(m_state.Link))
            return Outcome::Fallback;
    }
    m_channel.Close();
    return Outcome::Failed;
}

void SettingsSearch::Restore() {
    m_state.Transfer.Kind = m_savedKind;
    m_progress.SetCaption(GetLanguageText(m_state, 9026 + static_cast<int>(m_savedKind)));
}

void SettingsSearch::Adopt(const Candidate& candidate) {
    m_state.Link.PortNumber = candidate.PortNumber;
    m_state.Link.Handshaking = candidate.Handshaking;
    m_state.Link.StopBits = candidate.StopBits;
    if (!m_ownPortOnly)
        SaveLinkSettings(m_state.Paths.SetupFile, m_state.Link);
    m_shell.ShowPortStatus(GetLanguageText(m_state, 12008) + WholeNumberText(candidate.PortNumber));
}

// One entry per port, in the order they were tried: why it would not open, or every setting the radio
// was called with there.
void SettingsSearch::NoteAttempt(const PortOpenFailure& failure) {
    if (m_attempts.empty() || m_attempts.back().PortNumber != m_current.PortNumber)
        m_attempts.push_back({m_current.PortNumber, m_ports.DevicePath(m_current.PortNumber), {}, {}});
    SearchAttempt& attempt = m_attempts.back();
    if (failure.Error != PortOpenError::None)
        attempt.OpenFailure = failure;
    else
        attempt.Tried.emplace_back(m_current.StopBits, m_current.Handshaking);
}

LinkSettings SettingsSearch::SettingsOf(const Candidate& candidate) const {
    LinkSettings settings = m_state.Link;
    settings.PortNumber = candidate.PortNumber;
    settings.Handshaking = candidate.Handshaking;
    settings.StopBits = candidate.StopBits;
    return settings;
}

}  // namespace mox
