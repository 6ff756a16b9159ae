// The DTMF window's fields: the timing and choice lists, the side tone, the ID code and the codes.
#include "cli/SettingFields.h"
#include "editors/DtmfFields.h"

namespace mox::cli {
namespace {

SettingSetter List(DtmfList list) {
    return ChoiceSetter(
        [list](const SettingsTarget&) { return DtmfListValues(list); },
        [list](SettingsTarget& target, int index) { SaveDtmfList(target.Functions().Dtmf, list, index); });
}

SettingSetter Sidetone() {
    return ChoiceSetter(
        [](const SettingsTarget&) {
            return std::vector<int>{0, 1};
        },
        [](SettingsTarget& target, int index) { SaveSidetone(target.Functions().Dtmf, index == 1); });
}

// The ID box takes digits only and keeps 3 to 10 of them; anything else it would turn into "000".
SettingSetter IdCode() {
    return [](SettingsTarget& target, const std::string& value) -> std::string {
        if (CleanIdCodeText(value) != value || value.size() < kIdCodeLeast || value.size() > kIdCodeDigits)
            return "it takes 3 to 10 digits 0-9";
        CheckIdCode(target.Functions().Dtmf, value);
        return {};
    };
}

SettingSetter IdLength() {
    return [](SettingsTarget&, const std::string&) -> std::string {
        return "it is the number of digits of IdCode; set IdCode";
    };
}

// A code box: the keys it lets through are the DTMF digits, with a to d taken as capitals, at most 16.
SettingSetter Code(int box) {
    return [box](SettingsTarget& target, const std::string& value) -> std::string {
        if (CleanDtmfCodeText(value).size() != value.size() || value.size() > kDtmfCodeDigits)
            return "it takes up to 16 of the digits 0-9, A-D, * and #";
        StoreDtmfCode(DtmfCodeOfBox(target.Functions().Dtmf, box), value);
        return {};
    };
}

constexpr int kCodeBoxes = 20;

}  // namespace

std::vector<SettingField> DtmfSettingFields() {
    // In record order: the lists and the side tone, the ID, then the code boxes BotCode, EotCode,
    // StunCode, KillCode and the sixteen auto-dial memories.
    std::vector<SettingSetter> setters = {
        List(DtmfList::Rate),
        List(DtmfList::FirstDigitTime),
        List(DtmfList::FirstDigitDelay),
        List(DtmfList::StarHashTime),
        List(DtmfList::DKey),
        Sidetone(),
        List(DtmfList::CallAlert),
        List(DtmfList::GroupCode),
        List(DtmfList::AutoReset),
        IdCode(),
        IdLength(),
    };
    for (int box = 0; box < kCodeBoxes; ++box)
        setters.push_back(Code(box));
    std::vector<SettingField> fields = GroupFields(SettingGroup::Dtmf, std::move(setters));
    // A code shows as many digits as its count says, as its box does.
    const std::vector<const FunctionSetting*> settings = SettingsOfGroup(SettingGroup::Dtmf);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (settings[i]->Kind != SettingKind::Code)
            continue;
        fields[i].Print = [setting = settings[i]](const SettingsTarget& target) {
            return ShownDtmfCode(setting->Code({target.Data.Functions, target.Companion}));
        };
    }
    return fields;
}

}  // namespace mox::cli
