// The embedded message window's four lines.
#include "cli/SettingFields.h"
#include "editors/MessageLines.h"
#include "editors/TextKeys.h"

namespace mox::cli {
namespace {

// A line box takes up to 16 plain ASCII characters; the keys it drops would be lost from the text.
SettingSetter Line(int line) {
    return [line](SettingsTarget& target, const std::string& value) -> std::string {
        if (CleanTypedText(value, TextKey).size() != value.size() || value.size() > kMessageLineLength)
            return "it takes up to 16 printable ASCII characters";
        StoreMessageLine(target.Functions().Message, line, value);
        return {};
    };
}

}  // namespace

std::vector<SettingField> MessageSettingFields() {
    std::vector<SettingSetter> setters;
    for (int line = 0; line < kMessageLineCount; ++line)
        setters.push_back(Line(line));
    return GroupFields(SettingGroup::Message, std::move(setters));
}

}  // namespace mox::cli
