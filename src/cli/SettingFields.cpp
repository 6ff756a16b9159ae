#include "cli/SettingFields.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "cli/CliValues.h"

namespace mox::cli {
namespace {

std::string Lowered(std::string_view text) {
    std::string lowered;
    for (const char c : text)
        lowered += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lowered;
}

// Whether a name is one of the records show prints the settings under; a user may copy a name from there.
bool IsRecordName(std::string_view lowered) {
    const std::vector<FunctionSetting>& table = FunctionSettingTable();
    return std::any_of(table.begin(), table.end(), [lowered](const FunctionSetting& setting) {
        const std::string record = SettingRecordName(setting.Group);
        return !record.empty() && Lowered(record) == lowered;
    });
}

std::string Folded(std::string_view name) {
    std::string folded;
    for (const char c : Lowered(name)) {
        if (c != '[' && c != ']')
            folded += c;
    }
    const std::size_t dot = folded.find('.');
    if (dot != std::string::npos && IsRecordName(std::string_view(folded).substr(0, dot)))
        folded.erase(0, dot + 1);
    return folded;
}

}  // namespace

const std::vector<SettingField>& AllSettingFields() {
    static const std::vector<SettingField> fields = [] {
        std::vector<SettingField> all;
        for (auto table : {OptionSettingFields, DtmfSettingFields, MessageSettingFields, KeySettingFields,
                           AlertSettingFields, ScanSettingFields}) {
            std::vector<SettingField> part = table();
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    }();
    return fields;
}

const SettingField* FindSettingField(const std::string& name) {
    const std::string folded = Folded(name);
    for (const SettingField& field : AllSettingFields()) {
        if (Folded(field.Name) == folded)
            return &field;
    }
    return nullptr;
}

std::vector<SettingField> GroupFields(SettingGroup group, std::vector<SettingSetter> setters) {
    const std::vector<const FunctionSetting*> settings = SettingsOfGroup(group);
    if (settings.size() != setters.size())
        throw std::logic_error("a window's setters do not match its settings");
    std::vector<SettingField> fields;
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const FunctionSetting* setting = settings[i];
        fields.push_back({SettingName(*setting),
                          [setting](const SettingsTarget& target) {
                              return SettingValueText(*setting, {target.Data.Functions, target.Companion});
                          },
                          std::move(setters[i])});
    }
    return fields;
}

std::string ValuesText(const std::vector<int>& values) {
    if (values.empty())
        return "nothing";
    bool run = true;
    for (std::size_t i = 1; i < values.size(); ++i)
        run = run && values[i] == values[i - 1] + 1;
    if (run && values.size() > 2)
        return std::to_string(values.front()) + ".." + std::to_string(values.back());
    if (values.size() == 2)
        return std::to_string(values.front()) + " or " + std::to_string(values.back());
    std::string text;
    for (const int value : values)
        text += (text.empty() ? "" : ", ") + std::to_string(value);
    return text;
}

SettingSetter ChoiceSetter(std::function<std::vector<int>(const SettingsTarget&)> values,
                           std::function<void(SettingsTarget&, int index)> choose) {
    return [values = std::move(values), choose = std::move(choose)](SettingsTarget& target,
                                                                    const std::string& text) -> std::string {
        const std::vector<int> offered = values(target);
        const std::optional<int> value = WholeNumber(text);
        const auto found = value ? std::find(offered.begin(), offered.end(), *value) : offered.end();
        if (found == offered.end())
            return "it takes " + ValuesText(offered);
        choose(target, static_cast<int>(found - offered.begin()));
        return {};
    };
}

}  // namespace mox::cli
