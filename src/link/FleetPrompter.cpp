#include "link/FleetPrompter.h"

namespace mox {

namespace {

constexpr int kReadQuestion = 9004;
constexpr int kWriteQuestion = 9005;
constexpr int kReadDone = 9009;
constexpr int kWriteDone = 9010;
constexpr int kSameFamilyBandQuestion = 9014;
// A backup that could not be kept: the transfer itself has succeeded.
constexpr int kBackupFailed = 31710;

bool EndsAQuestion(const std::string& text, std::size_t end) {
    const std::string fullWidth = "？";
    return (end >= 1 && text[end - 1] == '?') ||
           (end >= fullWidth.size() &&
            text.compare(end - fullWidth.size(), fullWidth.size(), fullWidth) == 0);
}

// Where the sentence that ends at `end` starts: after the last ". " or "。" before it.
std::size_t SentenceStart(const std::string& text, std::size_t end) {
    const std::size_t latin = text.rfind(". ", end);
    const std::size_t wide = text.rfind("。", end);
    std::size_t start = 0;
    if (latin != std::string::npos && latin < end)
        start = latin + 2;
    if (wide != std::string::npos && wide < end && wide + 3 > start)
        start = wide + 3;
    return start;
}

}  // namespace

std::string ReasonOfMessage(const std::string& text) {
    std::string line = text.substr(0, text.find_first_of("\r\n"));
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    if (!EndsAQuestion(line, line.size()))
        return line;
    const std::size_t start = SentenceStart(line, line.size() - 1);
    if (start == 0)
        return line;
    line.resize(start);
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

MsgAnswer FleetPrompter::Ask(const Prompt& prompt) {
    switch (prompt.TextNumber) {
        case kReadQuestion:
        case kWriteQuestion:
            return MsgAnswer::Ok;
        case kReadDone:
        case kWriteDone:
            m_succeeded = true;
            return MsgAnswer::Ok;
        case kBackupFailed:
            return MsgAnswer::Ok;
        case kSameFamilyBandQuestion:
            if (m_agreeToBand)
                return MsgAnswer::Ok;
            break;
        default:
            break;
    }
    m_reason = ReasonOfMessage(prompt.Text);
    return SafeAnswer(prompt.Buttons);
}

}  // namespace mox
