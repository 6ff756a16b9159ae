// The key window's fields. They are printed from the record; until the key window's rules are in the
// core, a value for them is refused rather than stored unchecked.
#include "cli/SettingFields.h"

namespace mox::cli {

std::vector<SettingField> KeySettingFields() {
    const auto key = [](const char* name, std::int16_t KeySettings::*field) {
        return SettingField{name, StoredNumber(&FunctionSettings::Keys, field), {}};
    };
    return {
        key("LongPressTime", &KeySettings::LongPressTime),
        key("EmergencyLongPressTime", &KeySettings::EmergencyLongPressTime),
        key("Pf1Long", &KeySettings::Pf1Long),
        key("Pf1Short", &KeySettings::Pf1Short),
        key("Pf2Long", &KeySettings::Pf2Long),
        key("Pf2Short", &KeySettings::Pf2Short),
    };
}

}  // namespace mox::cli
