// The optional features window's fields: every list and check box by its control id.
#include "cli/SettingFields.h"
#include "editors/OptionFields.h"

namespace mox::cli {
namespace {

SettingSetter Option(int id) {
    SettingSetter choose =
        ChoiceSetter([id](const SettingsTarget&) { return OptionValues(id); },
                     [id](SettingsTarget& target, int index) { SaveOptFeat(target.Functions(), id, index); });
    return [id, choose](SettingsTarget& target, const std::string& value) -> std::string {
        // The window keeps the VOX tone, sensitivity and delay out of reach while VOX is off.
        if (!OptionControlEnabled(target.Functions(), id))
            return "it is set only while VoxEnable is 1 (then it takes " + ValuesText(OptionValues(id)) + ")";
        return choose(target, value);
    };
}

constexpr int kCheck = kFirstOptionCheckId;

}  // namespace

std::vector<SettingField> OptionSettingFields() {
    // The control of each option in record order: SquelchLevel, VoicePrompt, VoiceVolume, ...
    std::vector<SettingField> fields = GroupFields(
        SettingGroup::Options,
        {Option(0), Option(1), Option(11), Option(2), Option(3), Option(kCheck + 0), Option(kCheck + 1),
         Option(kCheck + 2), Option(kCheck + 3), Option(5), Option(kCheck + 4), Option(kCheck + 5), Option(4),
         Option(6), Option(7), Option(8), Option(9), Option(10)});
    // The window's last check box holds ResetProhibit.
    for (SettingField& field : GroupFields(SettingGroup::ResetProhibit, {Option(kCheck + 6)}))
        fields.push_back(std::move(field));
    return fields;
}

}  // namespace mox::cli
