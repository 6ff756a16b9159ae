// The DTMF window's fields: the timing and choice lists, the side tone, the ID code and the codes.
#include "cli/SettingFields.h"
#include "editors/DtmfFields.h"

namespace mox::cli {
namespace {

SettingField List(const char* name, DtmfList list) {
    return {name,
            [list](const SettingsTarget& target) {
                return std::to_string(DtmfListValue(target.Functions().Dtmf, list));
            },
            ChoiceSetter([list](const SettingsTarget&) { return DtmfListValues(list); },
                         [list](SettingsTarget& target, int index) {
                             SaveDtmfList(target.Functions().Dtmf, list, index);
                         })};
}

SettingField Sidetone() {
    return {
        "Sidetone", StoredNumber(&FunctionSettings::Dtmf, &DtmfSettings::Sidetone),
        ChoiceSetter(
            [](const SettingsTarget&) {
                return std::vector<int>{0, 1};
            },
            [](SettingsTarget& target, int index) { SaveSidetone(target.Functions().Dtmf, index == 1); })};
}

// The ID box takes digits only and keeps 3 to 10 of them; anything else it would turn into "000".
SettingField IdCode() {
    return {"IdCode",
            [](const SettingsTarget& target) { return CutFixedText(target.Functions().Dtmf.IdCode); },
            [](SettingsTarget& target, const std::string& value) -> std::string {
                if (CleanIdCodeText(value) != value || value.size() < kIdCodeLeast ||
                    value.size() > kIdCodeDigits)
                    return "it takes 3 to 10 digits 0-9";
                CheckIdCode(target.Functions().Dtmf, value);
                return {};
            }};
}

SettingField IdLength() {
    return {"IdLength", StoredNumber(&FunctionSettings::Dtmf, &DtmfSettings::IdLength),
            [](SettingsTarget&, const std::string&) -> std::string {
                return "it is the number of digits of IdCode; set IdCode";
            }};
}

// A code box: the keys it lets through are the DTMF digits, with a to d taken as capitals, at most 16.
SettingField Code(std::string name, int box) {
    return {std::move(name),
            [box](const SettingsTarget& target) {
                return ShownDtmfCode(DtmfCodeOfBox(target.Functions().Dtmf, box));
            },
            [box](SettingsTarget& target, const std::string& value) -> std::string {
                if (CleanDtmfCodeText(value).size() != value.size() || value.size() > kDtmfCodeDigits)
                    return "it takes up to 16 of the digits 0-9, A-D, * and #";
                StoreDtmfCode(DtmfCodeOfBox(target.Functions().Dtmf, box), value);
                return {};
            }};
}

}  // namespace

std::vector<SettingField> DtmfSettingFields() {
    std::vector<SettingField> fields = {
        List("DtmfRate", DtmfList::Rate),
        List("FirstDigitTime", DtmfList::FirstDigitTime),
        List("FirstDigitDelay", DtmfList::FirstDigitDelay),
        List("StarHashTime", DtmfList::StarHashTime),
        List("DKeySetting", DtmfList::DKey),
        Sidetone(),
        List("CallAlert", DtmfList::CallAlert),
        List("GroupCode", DtmfList::GroupCode),
        List("AutoResetTimer", DtmfList::AutoReset),
        IdCode(),
        IdLength(),
        Code("BotCode", 0),
        Code("EotCode", 1),
        Code("StunCode", 2),
        Code("KillCode", 3),
    };
    for (int memory = 1; memory <= 16; ++memory)
        fields.push_back(Code("AutoDial[" + std::to_string(memory) + "]", 3 + memory));
    return fields;
}

}  // namespace mox::cli
