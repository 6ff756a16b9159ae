// The scan window's fields, set through the scan window's rules. The group and position lists follow
// the channels of the file.
#include "cli/SettingFields.h"
#include "editors/ScanFields.h"

namespace mox::cli {
namespace {

// What the window waits for before it lets a list be used.
std::string EnablingText(const ScanSettings& scan, ScanField field) {
    if (scan.ScanMode != 1)
        return "ScanMode is 1";
    const bool first = field == ScanField::Priority1Group || field == ScanField::Priority1Channel;
    return first ? "PriorityMode is 1 or 3" : "PriorityMode is 2 or 3";
}

SettingSetter Scan(ScanField field) {
    const auto values = [field](const SettingsTarget& target) {
        return ScanFieldValues(target.Functions(), target.Data.Channels, field);
    };
    SettingSetter choose = ChoiceSetter(values, [field, values](SettingsTarget& target, int index) {
        SetScanField(target.Functions(), target.Data.Channels, field, values(target)[index]);
    });
    return [field, choose, values](SettingsTarget& target, const std::string& value) -> std::string {
        const ScanSettings& scan = target.Functions().Scan;
        if (!ScanControlEnabled(scan, field))
            return "it is set only while " + EnablingText(scan, field) + " (then it takes " +
                   ValuesText(values(target)) + ")";
        return choose(target, value);
    };
}

}  // namespace

std::vector<SettingField> ScanSettingFields() {
    // The scan fields stand in record order.
    std::vector<SettingSetter> setters;
    for (int field = 0; field < kScanFieldCount; ++field)
        setters.push_back(Scan(ScanField(field)));
    return GroupFields(SettingGroup::Scan, std::move(setters));
}

}  // namespace mox::cli
