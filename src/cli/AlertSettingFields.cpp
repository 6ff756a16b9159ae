// The alert window's fields, the alarm mode of the companion record among them. They are printed from
// the records; until the alert window's rules are in the core, a value for them is refused rather than
// stored unchecked.
#include "cli/SettingFields.h"

namespace mox::cli {

std::vector<SettingField> AlertSettingFields() {
    const auto alert = [](const char* name, std::uint8_t AlertSettings::*field) {
        return SettingField{name, StoredNumber(&FunctionSettings::Alert, field), {}};
    };
    return {
        alert("EmergencyAlarm", &AlertSettings::EmergencyAlarm),
        alert("EmergencyIdType", &AlertSettings::EmergencyIdType),
        alert("EmergencyIdMemory", &AlertSettings::EmergencyIdMemory),
        alert("AlarmTime", &AlertSettings::AlarmTime),
        alert("AlarmTxTime", &AlertSettings::AlarmTxTime),
        alert("AlarmRxTime", &AlertSettings::AlarmRxTime),
        alert("ChannelSelect", &AlertSettings::ChannelSelect),
        alert("EmergencyGroup", &AlertSettings::EmergencyGroup),
        alert("EmergencyChannel", &AlertSettings::EmergencyChannel),
        alert("AlarmCycle", &AlertSettings::AlarmCycle),
        {"AlarmMode",
         [](const SettingsTarget& target) { return std::to_string(target.Companion.AlarmMode); },
         {}},
    };
}

}  // namespace mox::cli
