#include "cli/TerminalProgress.h"

#include <QTimer>
#include <algorithm>
#include <ostream>
#include <string>

namespace mox::cli {
namespace {

constexpr int kBarWidth = 40;

}  // namespace

TerminalProgress::TerminalProgress(std::ostream& out, bool drawBar) : m_out(out), m_drawBar(drawBar) {}

// The transfer starts once the "window" is up, from the event loop, as it does in the GUI.
void TerminalProgress::OpenModal(const std::string& caption, std::function<void()> onShown) {
    m_open = true;
    m_barShown = false;
    m_out << caption << '\n';
    SetPercent(0);
    QTimer::singleShot(0, [onShown = std::move(onShown)] { onShown(); });
}

void TerminalProgress::SetCaption(const std::string& caption) {
    EndBarLine();
    m_out << caption << '\n';
}

void TerminalProgress::SetPercent(int percent) {
    if (!m_drawBar || !m_open)
        return;
    const int filled = std::clamp(percent, 0, 100) * kBarWidth / 100;
    m_out << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
          << std::string(static_cast<std::size_t>(kBarWidth - filled), ' ') << "] " << percent << "%"
          << std::flush;
    m_barShown = true;
}

void TerminalProgress::Close() {
    EndBarLine();
    m_open = false;
}

void TerminalProgress::EndBarLine() {
    if (m_barShown)
        m_out << '\n';
    m_barShown = false;
}

}  // namespace mox::cli
