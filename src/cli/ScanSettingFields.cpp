// The scan window's fields. They are printed from the record; until the scan window's rules are in the
// core, a value for them is refused rather than stored unchecked.
#include "cli/SettingFields.h"

namespace mox::cli {

std::vector<SettingField> ScanSettingFields() {
    const auto scan = [](const char* name, std::uint8_t ScanSettings::*field) {
        return SettingField{name, StoredNumber(&FunctionSettings::Scan, field), {}};
    };
    return {
        scan("ScanMode", &ScanSettings::ScanMode),
        scan("PriorityMode", &ScanSettings::PriorityMode),
        scan("ReturnChannel", &ScanSettings::ReturnChannel),
        scan("LookBackA", &ScanSettings::LookBackA),
        scan("LookBackB", &ScanSettings::LookBackB),
        scan("RxResumeDelay", &ScanSettings::RxResumeDelay),
        scan("TxResumeDelay", &ScanSettings::TxResumeDelay),
        scan("ScanEntryTone", &ScanSettings::ScanEntryTone),
        scan("Priority1Group", &ScanSettings::Priority1Group),
        scan("Priority1Channel", &ScanSettings::Priority1Channel),
        scan("Priority2Group", &ScanSettings::Priority2Group),
        scan("Priority2Channel", &ScanSettings::Priority2Channel),
    };
}

}  // namespace mox::cli
