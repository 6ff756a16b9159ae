#pragma once

#include <iosfwd>

#include "link/LinkViews.h"

namespace mox::cli {

// The progress window on a terminal: the caption as a line, then a bar that redraws itself in place
// while stderr is a terminal (a log file gets the caption only).
class TerminalProgress : public ProgressView {
public:
    TerminalProgress(std::ostream& out, bool drawBar);

    void OpenModal(const std::string& caption, std::function<void()> onShown) override;
    void SetCaption(const std::string& caption) override;
    void SetPercent(int percent) override;
    void Close() override;

    bool IsOpen() const { return m_open; }

private:
    void EndBarLine();

    std::ostream& m_out;
    bool m_drawBar;
    bool m_open = false;
    bool m_barShown = false;
};

}  // namespace mox::cli
