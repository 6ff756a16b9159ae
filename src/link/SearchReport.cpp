#include "link/SearchReport.h"

#include "link/PortDiagnostics.h"
#include "services/FilledText.h"
#include "services/NumberText.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr int kHandshakingNames = 31807;  // texts 31807..31810 name the handshaking codes 0..3
constexpr int kHighestHandshaking = 3;

std::string HandshakingName(const Messages& messages, int code) {
    if (code < 0 || code > kHighestHandshaking)
        return WholeNumberText(code);
    return GetLanguageText(messages, kHandshakingNames + code);
}

// The handshaking modes tried at one port with these stop bits, in the order they were tried.
std::string HandshakingTried(const Messages& messages, const SearchAttempt& attempt, int stopBits) {
    std::string names;
    for (const auto& [bits, handshaking] : attempt.Tried) {
        if (bits != stopBits)
            continue;
        if (!names.empty())
            names += ", ";
        names += HandshakingName(messages, handshaking);
    }
    return names;
}

std::string PortLabel(int portNumber, const std::string& devicePath) {
    std::string label = "COM" + WholeNumberText(portNumber);
    if (!devicePath.empty())
        label += " (" + devicePath + ")";
    return label;
}

}  // namespace

std::string SearchTriedText(const Messages& messages, const std::vector<SearchAttempt>& attempts) {
    if (attempts.empty())
        return {};
    std::string text = GetLanguageText(messages, 31805);
    for (const SearchAttempt& attempt : attempts) {
        const std::string port = PortLabel(attempt.PortNumber, attempt.DevicePath);
        for (int stopBits : {1, 2}) {
            const std::string handshaking = HandshakingTried(messages, attempt, stopBits);
            if (!handshaking.empty())
                text += "\r\n" + FilledText(GetLanguageText(messages, 31806),
                                            {port, WholeNumberText(stopBits), handshaking});
        }
        // A port may open for some settings and then no longer (an adapter pulled out meanwhile).
        if (attempt.OpenFailure.Error != PortOpenError::None)
            text +=
                "\r\n" + port + ": " + PortOpenProblemText(messages, attempt.PortNumber, attempt.OpenFailure);
    }
    return text;
}

}  // namespace mox
