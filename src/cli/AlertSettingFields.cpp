// The alert window's fields, the alarm mode of the companion record among them, set through the alert
// window's rules.
#include "cli/SettingFields.h"
#include "editors/AlertFields.h"

namespace mox::cli {
namespace {

AlertRecords RecordsOf(const SettingsTarget& target) {
    return AlertRecordsOf(target.Data, target.Companion);
}

// When the window offers a field's list: the alarm mode on for all but the mode itself, then the alarm
// type for the alarm time and for the ID and transmit and receive times, the alarm channel choice for
// the group and position.
std::string OfferedWhile(AlertField field) {
    switch (field) {
        case AlertField::AlarmTime:
            return "AlarmMode is 1 and EmergencyAlarm is 0";
        case AlertField::EmergencyIdType:
        case AlertField::EmergencyIdMemory:
        case AlertField::AlarmTxTime:
        case AlertField::AlarmRxTime:
            return "AlarmMode is 1 and EmergencyAlarm is 1..3";
        case AlertField::EmergencyGroup:
        case AlertField::EmergencyChannel:
            return "AlarmMode is 1 and ChannelSelect is 0";
        default:
            return "AlarmMode is 1";
    }
}

SettingSetter Alert(AlertField field) {
    SettingSetter choose = ChoiceSetter(
        [field](const SettingsTarget& target) { return AllowedAlertValues(RecordsOf(target), field); },
        [field](SettingsTarget& target, int index) {
            SetAlertField(RecordsOf(target), field, AllowedAlertValues(RecordsOf(target), field).at(index));
        });
    return [field, choose](SettingsTarget& target, const std::string& value) -> std::string {
        if (!AlertFieldEnabled(RecordsOf(target), field))
            return "it is set only while " + OfferedWhile(field) + " (then it takes " +
                   ValuesText(AllowedAlertValues(RecordsOf(target), field)) + ")";
        return choose(target, value);
    };
}

}  // namespace

std::vector<SettingField> AlertSettingFields() {
    // The window's lists stand in record order, the alarm mode last.
    std::vector<SettingSetter> setters;
    for (int field = 0; field < kAlertListCount; ++field)
        setters.push_back(Alert(AlertField(field)));
    return GroupFields(SettingGroup::Alert, std::move(setters));
}

}  // namespace mox::cli
