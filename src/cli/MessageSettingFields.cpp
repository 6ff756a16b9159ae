// The embedded message window's four lines.
#include "cli/SettingFields.h"
#include "editors/MessageLines.h"
#include "editors/TextKeys.h"

namespace mox::cli {
namespace {

// A line box takes up to 16 plain ASCII characters; the keys it drops would be lost from the text.
SettingField Line(int line) {
    return {
        "EmbeddedMessage[" + std::to_string(line + 1) + "]",
        [line](const SettingsTarget& target) { return ShownMessageLine(target.Functions().Message, line); },
        [line](SettingsTarget& target, const std::string& value) -> std::string {
            if (CleanTypedText(value, TextKey).size() != value.size() || value.size() > kMessageLineLength)
                return "it takes up to 16 printable ASCII characters";
            StoreMessageLine(target.Functions().Message, line, value);
            return {};
        }};
}

}  // namespace

std::vector<SettingField> MessageSettingFields() {
    std::vector<SettingField> fields;
    for (int line = 0; line < kMessageLineCount; ++line)
        fields.push_back(Line(line));
    return fields;
}

}  // namespace mox::cli
