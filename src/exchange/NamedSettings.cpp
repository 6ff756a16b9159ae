#include "exchange/NamedSettings.h"

#include "image/FunctionSettingTable.h"

namespace mox {

namespace {

class SettingList {
public:
    explicit SettingList(std::vector<NamedValue>& out) : m_out(out) {}

    void Group(std::string prefix) { m_prefix = std::move(prefix); }
    void Add(const std::string& name, int value) { Add(name, std::to_string(value)); }
    void Add(const std::string& name, std::string value) {
        m_out.emplace_back(m_prefix + name, std::move(value));
    }
    template <std::size_t N>
    void Add(const std::string& name, const FixedText<N>& text) {
        Add(name, CutFixedText(text));
    }

private:
    std::vector<NamedValue>& m_out;
    std::string m_prefix;
};

std::string Indexed(const char* name, std::size_t index) {
    return std::string(name) + "[" + std::to_string(index + 1) + "]";
}

// A group's settings under its record name; a DTMF code as its count and its digits.
void AddGroup(SettingList& list, SettingGroup group, const SettingSources& sources) {
    const std::string record = SettingRecordName(group);
    list.Group(record.empty() ? record : record + ".");
    for (const FunctionSetting* setting : SettingsOfGroup(group)) {
        const std::string name = SettingName(*setting);
        if (setting->Kind == SettingKind::Code)
            list.Add(name + ".Count", setting->Code(sources).Count);
        list.Add(name + (setting->Kind == SettingKind::Code ? ".Digits" : ""),
                 SettingValueText(*setting, sources));
    }
}

void AddFileRecords(SettingList& list, const RadioData& data, const SettingSources& sources) {
    list.Group("");
    list.Add("ModelCode", data.Model.ModelCode);
    list.Add("BandCode", data.Model.BandCode);
    AddGroup(list, SettingGroup::Message, sources);
    AddGroup(list, SettingGroup::ResetProhibit, sources);
    for (std::size_t i = 0; i < data.FmPresets.size(); ++i) {
        list.Add(Indexed("FmPresets", i) + ".PresetEmpty", data.FmPresets[i].PresetEmpty);
        list.Add(Indexed("FmPresets", i) + ".FmDigits", data.FmPresets[i].FmDigits);
    }
    for (std::size_t i = 0; i < data.TestFrequencies.size(); ++i) {
        list.Add(Indexed("TestFrequencies", i) + ".First", data.TestFrequencies[i].First);
        list.Add(Indexed("TestFrequencies", i) + ".Second", data.TestFrequencies[i].Second);
    }
}

}  // namespace

std::vector<NamedValue> NamedSettings(const RadioData& data, const CompanionRecord& companion) {
    std::vector<NamedValue> settings;
    SettingList list(settings);
    const SettingSources sources{data.Functions, companion};
    for (SettingGroup group : {SettingGroup::Options, SettingGroup::Dtmf, SettingGroup::Keys,
                               SettingGroup::Alert, SettingGroup::Scan})
        AddGroup(list, group, sources);
    AddFileRecords(list, data, sources);
    return settings;
}

}  // namespace mox
