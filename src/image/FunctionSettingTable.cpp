#include "image/FunctionSettingTable.h"

namespace mox {
namespace {

using G = SettingGroup;
using F = FunctionSettings;

class TableBuilder {
public:
    explicit TableBuilder(std::vector<FunctionSetting>& table) : m_table(table) {}

    void Group(SettingGroup group) { m_group = group; }

    template <auto Record, auto Field>
    void Number(const char* name) {
        Add(name, 0).Number = [](const SettingSources& s) {
            return static_cast<int>(s.Functions.*Record.*Field);
        };
    }
    void Number(const char* name, std::function<int(const SettingSources&)> read) {
        Add(name, 0).Number = std::move(read);
    }
    void Text(const char* name, int index, std::function<std::string(const SettingSources&)> read) {
        FunctionSetting& setting = Add(name, index);
        setting.Kind = SettingKind::Text;
        setting.Text = std::move(read);
    }
    void Code(const char* name, int index, std::function<const DtmfCode&(const SettingSources&)> read) {
        FunctionSetting& setting = Add(name, index);
        setting.Kind = SettingKind::Code;
        setting.Code = std::move(read);
    }

private:
    FunctionSetting& Add(const char* name, int index) {
        FunctionSetting& setting = m_table.emplace_back();
        setting.Group = m_group;
        setting.Field = name;
        setting.Index = index;
        return setting;
    }

    std::vector<FunctionSetting>& m_table;
    SettingGroup m_group = G::Options;
};

void AddOptions(TableBuilder& table) {
    using O = OptionSettings;
    table.Group(G::Options);
    table.Number<&F::Options, &O::SquelchLevel>("SquelchLevel");
    table.Number<&F::Options, &O::VoicePrompt>("VoicePrompt");
    table.Number<&F::Options, &O::VoiceVolume>("VoiceVolume");
    table.Number<&F::Options, &O::TailEliminationMode>("TailEliminationMode");
    table.Number<&F::Options, &O::BatterySave>("BatterySave");
    table.Number<&F::Options, &O::VoxEnable>("VoxEnable");
    table.Number<&F::Options, &O::VoxTone>("VoxTone");
    table.Number<&F::Options, &O::ChannelLock>("ChannelLock");
    table.Number<&F::Options, &O::GroupSelect>("GroupSelect");
    table.Number<&F::Options, &O::TotPreAlert>("TotPreAlert");
    table.Number<&F::Options, &O::WiredClone>("WiredClone");
    table.Number<&F::Options, &O::TailEliminationNoSignalling>("TailEliminationNoSignalling");
    table.Number<&F::Options, &O::TimeOutTimer>("TimeOutTimer");
    table.Number<&F::Options, &O::TotRekeyTime>("TotRekeyTime");
    table.Number<&F::Options, &O::TotResetTime>("TotResetTime");
    table.Number<&F::Options, &O::VoxSensitivity>("VoxSensitivity");
    table.Number<&F::Options, &O::VoxDelay>("VoxDelay");
    table.Number<&F::Options, &O::ChannelGroup>("ChannelGroup");
}

template <auto Field>
void AddCode(TableBuilder& table, const char* name) {
    table.Code(name, 0, [](const SettingSources& s) -> const DtmfCode& { return s.Functions.Dtmf.*Field; });
}

void AddDtmf(TableBuilder& table) {
    using D = DtmfSettings;
    table.Group(G::Dtmf);
    table.Number<&F::Dtmf, &D::DtmfRate>("DtmfRate");
    table.Number<&F::Dtmf, &D::FirstDigitTime>("FirstDigitTime");
    table.Number<&F::Dtmf, &D::FirstDigitDelay>("FirstDigitDelay");
    table.Number<&F::Dtmf, &D::StarHashTime>("StarHashTime");
    table.Number<&F::Dtmf, &D::DKeySetting>("DKeySetting");
    table.Number<&F::Dtmf, &D::Sidetone>("Sidetone");
    table.Number<&F::Dtmf, &D::CallAlert>("CallAlert");
    table.Number<&F::Dtmf, &D::GroupCode>("GroupCode");
    table.Number<&F::Dtmf, &D::AutoResetTimer>("AutoResetTimer");
    table.Text("IdCode", 0, [](const SettingSources& s) { return CutFixedText(s.Functions.Dtmf.IdCode); });
    table.Number<&F::Dtmf, &D::IdLength>("IdLength");
    AddCode<&D::BotCode>(table, "BotCode");
    AddCode<&D::EotCode>(table, "EotCode");
    AddCode<&D::StunCode>(table, "StunCode");
    AddCode<&D::KillCode>(table, "KillCode");
    for (std::size_t i = 0; i < DtmfSettings{}.AutoDial.size(); ++i) {
        table.Code("AutoDial", static_cast<int>(i) + 1,
                   [i](const SettingSources& s) -> const DtmfCode& { return s.Functions.Dtmf.AutoDial[i]; });
    }
}

void AddMessage(TableBuilder& table) {
    table.Group(G::Message);
    for (std::size_t i = 0; i < EmbeddedMessage{}.Lines.size(); ++i) {
        table.Text("EmbeddedMessage", static_cast<int>(i) + 1,
                   [i](const SettingSources& s) { return CutFixedText(s.Functions.Message.Lines[i]); });
    }
}

void AddKeys(TableBuilder& table) {
    using K = KeySettings;
    table.Group(G::Keys);
    table.Number<&F::Keys, &K::LongPressTime>("LongPressTime");
    table.Number<&F::Keys, &K::EmergencyLongPressTime>("EmergencyLongPressTime");
    table.Number<&F::Keys, &K::Pf1Long>("Pf1Long");
    table.Number<&F::Keys, &K::Pf1Short>("Pf1Short");
    table.Number<&F::Keys, &K::Pf2Long>("Pf2Long");
    table.Number<&F::Keys, &K::Pf2Short>("Pf2Short");
}

void AddAlert(TableBuilder& table) {
    using A = AlertSettings;
    table.Group(G::Alert);
    table.Number<&F::Alert, &A::EmergencyAlarm>("EmergencyAlarm");
    table.Number<&F::Alert, &A::EmergencyIdType>("EmergencyIdType");
    table.Number<&F::Alert, &A::EmergencyIdMemory>("EmergencyIdMemory");
    table.Number<&F::Alert, &A::AlarmTime>("AlarmTime");
    table.Number<&F::Alert, &A::AlarmTxTime>("AlarmTxTime");
    table.Number<&F::Alert, &A::AlarmRxTime>("AlarmRxTime");
    table.Number<&F::Alert, &A::ChannelSelect>("ChannelSelect");
    table.Number<&F::Alert, &A::EmergencyGroup>("EmergencyGroup");
    table.Number<&F::Alert, &A::EmergencyChannel>("EmergencyChannel");
    table.Number<&F::Alert, &A::AlarmCycle>("AlarmCycle");
    table.Number("AlarmMode",
                 [](const SettingSources& s) { return static_cast<int>(s.Companion.AlarmMode); });
}

void AddScan(TableBuilder& table) {
    using S = ScanSettings;
    table.Group(G::Scan);
    table.Number<&F::Scan, &S::ScanMode>("ScanMode");
    table.Number<&F::Scan, &S::PriorityMode>("PriorityMode");
    table.Number<&F::Scan, &S::ReturnChannel>("ReturnChannel");
    table.Number<&F::Scan, &S::LookBackA>("LookBackA");
    table.Number<&F::Scan, &S::LookBackB>("LookBackB");
    table.Number<&F::Scan, &S::RxResumeDelay>("RxResumeDelay");
    table.Number<&F::Scan, &S::TxResumeDelay>("TxResumeDelay");
    table.Number<&F::Scan, &S::ScanEntryTone>("ScanEntryTone");
    table.Number<&F::Scan, &S::Priority1Group>("Priority1Group");
    table.Number<&F::Scan, &S::Priority1Channel>("Priority1Channel");
    table.Number<&F::Scan, &S::Priority2Group>("Priority2Group");
    table.Number<&F::Scan, &S::Priority2Channel>("Priority2Channel");
}

}  // namespace

const std::vector<FunctionSetting>& FunctionSettingTable() {
    static const std::vector<FunctionSetting> table = [] {
        std::vector<FunctionSetting> settings;
        TableBuilder builder(settings);
        AddOptions(builder);
        AddDtmf(builder);
        AddMessage(builder);
        AddKeys(builder);
        AddAlert(builder);
        AddScan(builder);
        builder.Group(G::ResetProhibit);
        builder.Number("ResetProhibit",
                       [](const SettingSources& s) { return int{s.Functions.ResetProhibit}; });
        return settings;
    }();
    return table;
}

std::vector<const FunctionSetting*> SettingsOfGroup(SettingGroup group) {
    std::vector<const FunctionSetting*> settings;
    for (const FunctionSetting& setting : FunctionSettingTable()) {
        if (setting.Group == group)
            settings.push_back(&setting);
    }
    return settings;
}

std::string SettingName(const FunctionSetting& setting) {
    if (setting.Index == 0)
        return setting.Field;
    return setting.Field + "[" + std::to_string(setting.Index) + "]";
}

std::string SettingRecordName(SettingGroup group) {
    switch (group) {
        case G::Options:
            return "OptionSettings";
        case G::Dtmf:
            return "DtmfSettings";
        case G::Keys:
            return "KeySettings";
        case G::Alert:
            return "AlertSettings";
        case G::Scan:
            return "ScanSettings";
        default:
            return {};
    }
}

std::string SettingValueText(const FunctionSetting& setting, const SettingSources& sources) {
    switch (setting.Kind) {
        case SettingKind::Number:
            return std::to_string(setting.Number(sources));
        case SettingKind::Text:
            return setting.Text(sources);
        case SettingKind::Code:
            break;
    }
    return CutFixedText(setting.Code(sources).Digits);
}

}  // namespace mox
