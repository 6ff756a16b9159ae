#pragma once

#include <functional>
#include <string>
#include <vector>

#include "image/FunctionSettingTable.h"
#include "records/RadioData.h"

namespace mox::cli {

// What the settings command reads and changes: the working data (the function settings, and the
// channels that the scan and alert lists follow) and the companion record, which holds the alarm mode.
struct SettingsTarget {
    RadioData& Data;
    CompanionRecord& Companion;

    FunctionSettings& Functions() const { return Data.Functions; }
};

// The stored value of a field as the command prints it and as NAME=VALUE takes it back.
using SettingPrinter = std::function<std::string(const SettingsTarget&)>;
// Stores a value the way the field's window does, with the window's follow-on rules, and returns an
// empty text. A value the window could not produce changes nothing; the returned text then says what
// the field takes ("it takes 1..5").
using SettingSetter = std::function<std::string(SettingsTarget&, const std::string& value)>;

// One radio-wide setting under its record name. A field without a setter is printed but refused.
struct SettingField {
    std::string Name;
    SettingPrinter Print;
    SettingSetter Set;
};

// The fields of each editor window, in record order; each table lives in a file of its own.
std::vector<SettingField> OptionSettingFields();
std::vector<SettingField> DtmfSettingFields();
std::vector<SettingField> MessageSettingFields();
std::vector<SettingField> KeySettingFields();
std::vector<SettingField> AlertSettingFields();
std::vector<SettingField> ScanSettingFields();

// Every table in record order.
const std::vector<SettingField>& AllSettingFields();
// The field a user names: its name without regard to case, with or without the brackets of an index
// ("AutoDial[3]", "autodial3") and with or without the record it belongs to ("DtmfSettings.BotCode").
const SettingField* FindSettingField(const std::string& name);

// Helpers the tables share.

// The fields of a group of settings in record order: their names and printed values from the table of
// settings, each with the setter at its place in `setters`.
std::vector<SettingField> GroupFields(SettingGroup group, std::vector<SettingSetter> setters);

// "1..5" for a run of numbers, "0, 2, 10, 20" otherwise.
std::string ValuesText(const std::vector<int>& values);

// A list or check box: the value is one of `values` (a list's stored numbers in entry order, a check
// box's 0 and 1) and `choose` gets the position of the value, as the window's choice handler does.
SettingSetter ChoiceSetter(std::function<std::vector<int>(const SettingsTarget&)> values,
                           std::function<void(SettingsTarget&, int index)> choose);

}  // namespace mox::cli
