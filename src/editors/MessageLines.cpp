#include "editors/MessageLines.h"

#include "editors/TextKeys.h"

namespace mox {

std::string ShownMessageLine(const EmbeddedMessage& message, int line) {
    return CutFixedText(message.Lines.at(static_cast<std::size_t>(line)));
}

std::string StoreMessageLine(EmbeddedMessage& message, int line, std::string_view text) {
    std::string kept = CleanTypedText(text, TextKey);
    if (kept.size() > kMessageLineLength)
        kept.resize(kMessageLineLength);
    SetFixedTextNul(message.Lines.at(static_cast<std::size_t>(line)), kept);
    return kept;
}

}  // namespace mox
