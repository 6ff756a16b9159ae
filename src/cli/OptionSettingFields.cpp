// The optional features window's fields: every list and check box by its control id.
#include "cli/SettingFields.h"
#include "editors/OptionFields.h"

namespace mox::cli {
namespace {

SettingField Option(const char* name, int id) {
    SettingSetter choose =
        ChoiceSetter([id](const SettingsTarget&) { return OptionValues(id); },
                     [id](SettingsTarget& target, int index) { SaveOptFeat(target.Functions(), id, index); });
    return {
        name,
        [id](const SettingsTarget& target) { return std::to_string(OptionValue(target.Functions(), id)); },
        [id, choose](SettingsTarget& target, const std::string& value) -> std::string {
            // The window keeps the VOX tone, sensitivity and delay out of reach while VOX is off.
            if (!OptionControlEnabled(target.Functions(), id))
                return "it is set only while VoxEnable is 1 (then it takes " + ValuesText(OptionValues(id)) +
                       ")";
            return choose(target, value);
        }};
}

constexpr int kCheck = kFirstOptionCheckId;

}  // namespace

std::vector<SettingField> OptionSettingFields() {
    return {
        Option("SquelchLevel", 0),
        Option("VoicePrompt", 1),
        Option("VoiceVolume", 11),
        Option("TailEliminationMode", 2),
        Option("BatterySave", 3),
        Option("VoxEnable", kCheck + 0),
        Option("VoxTone", kCheck + 1),
        Option("ChannelLock", kCheck + 2),
        Option("GroupSelect", kCheck + 3),
        Option("TotPreAlert", 5),
        Option("WiredClone", kCheck + 4),
        Option("TailEliminationNoSignalling", kCheck + 5),
        Option("TimeOutTimer", 4),
        Option("TotRekeyTime", 6),
        Option("TotResetTime", 7),
        Option("VoxSensitivity", 8),
        Option("VoxDelay", 9),
        Option("ChannelGroup", 10),
        Option("ResetProhibit", kCheck + 6),
    };
}

}  // namespace mox::cli
