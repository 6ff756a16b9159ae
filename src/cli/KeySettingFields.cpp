// The key window's fields, set through the key window's rules.
#include "cli/SettingFields.h"
#include "editors/KeyFields.h"

namespace mox::cli {
namespace {

// The scan and VOX functions are left out of a key's values while their settings are off; the refusal
// says why.
std::string FunctionsHeldBack(const FunctionSettings& settings, KeyField field) {
    std::string held;
    if (IsKeyFunctionField(field) && settings.Scan.ScanMode == 0)
        held = "8 needs ScanMode 1";
    if (IsKeyFunctionField(field) && settings.Options.VoxEnable == 0)
        held += (held.empty() ? "" : ", ") + std::string("22 needs VoxEnable 1");
    return held.empty() ? held : " (" + held + ")";
}

SettingSetter Key(KeyField field) {
    const auto values = [field](const SettingsTarget& target) {
        return KeyFieldValues(target.Functions(), field);
    };
    SettingSetter choose = ChoiceSetter(values, [field, values](SettingsTarget& target, int index) {
        SetKeyField(target.Functions(), field, values(target)[index]);
    });
    return [field, choose](SettingsTarget& target, const std::string& value) {
        const std::string refusal = choose(target, value);
        return refusal.empty() ? refusal : refusal + FunctionsHeldBack(target.Functions(), field);
    };
}

}  // namespace

std::vector<SettingField> KeySettingFields() {
    // The key fields stand in record order.
    std::vector<SettingSetter> setters;
    for (int field = 0; field < kKeyFieldCount; ++field)
        setters.push_back(Key(KeyField(field)));
    return GroupFields(SettingGroup::Keys, std::move(setters));
}

}  // namespace mox::cli
