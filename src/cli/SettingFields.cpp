#include "cli/SettingFields.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string_view>

namespace mox::cli {
namespace {

// The records show prints the settings under; a user may copy a name from there.
constexpr std::array<std::string_view, 5> kRecords = {"optionsettings", "dtmfsettings", "keysettings",
                                                      "alertsettings", "scansettings"};

std::string Folded(std::string_view name) {
    std::string folded;
    for (const char c : name) {
        if (c != '[' && c != ']')
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::size_t dot = folded.find('.');
    if (dot != std::string::npos && std::find(kRecords.begin(), kRecords.end(),
                                              std::string_view(folded).substr(0, dot)) != kRecords.end())
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

bool ParseWholeNumber(const std::string& text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
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
        int value = 0;
        const auto found =
            ParseWholeNumber(text, value) ? std::find(offered.begin(), offered.end(), value) : offered.end();
        if (found == offered.end())
            return "it takes " + ValuesText(offered);
        choose(target, static_cast<int>(found - offered.begin()));
        return {};
    };
}

}  // namespace mox::cli
