#pragma once

// The radio-wide settings under their record names, one entry per setting in record order: the one list
// that every report of the settings and the command line's settings fields walk.

#include <functional>
#include <string>
#include <vector>

#include "records/RadioData.h"

namespace mox {

// The groups the settings stand in, in the order FunctionSettings holds them. The alert group ends with
// the alarm mode, which data files keep in the companion record; the embedded message lines and
// ResetProhibit stand in FunctionSettings itself.
enum class SettingGroup { Options, Dtmf, Message, Keys, Alert, Scan, ResetProhibit };

// What a setting holds: a number, a fixed-length text, or a DTMF code (a count and its digits).
enum class SettingKind { Number, Text, Code };

// The records a setting is read from.
struct SettingSources {
    const FunctionSettings& Functions;
    const CompanionRecord& Companion;
};

struct FunctionSetting {
    SettingGroup Group;
    // The field's own name; the entries of a list ("AutoDial", "EmbeddedMessage") share it.
    std::string Field;
    // The place in such a list, from 1; 0 for a field of its own.
    int Index = 0;
    SettingKind Kind = SettingKind::Number;
    // The reader that goes with the kind.
    std::function<int(const SettingSources&)> Number;
    std::function<std::string(const SettingSources&)> Text;
    std::function<const DtmfCode&(const SettingSources&)> Code;
};

// All 83 settings, in record order, group by group.
const std::vector<FunctionSetting>& FunctionSettingTable();
// The settings of one group, in record order.
std::vector<const FunctionSetting*> SettingsOfGroup(SettingGroup group);

// "SquelchLevel", "AutoDial[3]", "EmbeddedMessage[1]".
std::string SettingName(const FunctionSetting& setting);
// The record a group's settings are written under: "OptionSettings", ..., or "" for the settings that
// stand in FunctionSettings itself.
std::string SettingRecordName(SettingGroup group);
// The value as reports write it: a number in decimal, a text or a code's digits up to their end.
std::string SettingValueText(const FunctionSetting& setting, const SettingSources& sources);

}  // namespace mox
