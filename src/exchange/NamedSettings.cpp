#include "exchange/NamedSettings.h"

namespace mox {

namespace {

class SettingList {
public:
    explicit SettingList(std::vector<NamedValue>& out) : m_out(out) {}

    void Group(std::string prefix) { m_prefix = std::move(prefix); }
    void Add(const std::string& name, int value) {
        m_out.emplace_back(m_prefix + name, std::to_string(value));
    }
    template <std::size_t N>
    void Add(const std::string& name, const FixedText<N>& text) {
        m_out.emplace_back(m_prefix + name, CutFixedText(text));
    }

private:
    std::vector<NamedValue>& m_out;
    std::string m_prefix;
};

std::string Indexed(const char* name, std::size_t index) {
    return std::string(name) + "[" + std::to_string(index + 1) + "]";
}

void AddOptions(SettingList& list, const OptionSettings& o) {
    list.Group("OptionSettings.");
    list.Add("SquelchLevel", o.SquelchLevel);
    list.Add("VoicePrompt", o.VoicePrompt);
    list.Add("VoiceVolume", o.VoiceVolume);
    list.Add("TailEliminationMode", o.TailEliminationMode);
    list.Add("BatterySave", o.BatterySave);
    list.Add("VoxEnable", o.VoxEnable);
    list.Add("VoxTone", o.VoxTone);
    list.Add("ChannelLock", o.ChannelLock);
    list.Add("GroupSelect", o.GroupSelect);
    list.Add("TotPreAlert", o.TotPreAlert);
    list.Add("WiredClone", o.WiredClone);
    list.Add("TailEliminationNoSignalling", o.TailEliminationNoSignalling);
    list.Add("TimeOutTimer", o.TimeOutTimer);
    list.Add("TotRekeyTime", o.TotRekeyTime);
    list.Add("TotResetTime", o.TotResetTime);
    list.Add("VoxSensitivity", o.VoxSensitivity);
    list.Add("VoxDelay", o.VoxDelay);
    list.Add("ChannelGroup", o.ChannelGroup);
}

void AddCode(SettingList& list, const std::string& name, const DtmfCode& code) {
    list.Add(name + ".Count", code.Count);
    list.Add(name + ".Digits", code.Digits);
}

void AddDtmf(SettingList& list, const DtmfSettings& d) {
    list.Group("DtmfSettings.");
    list.Add("DtmfRate", d.DtmfRate);
    list.Add("FirstDigitTime", d.FirstDigitTime);
    list.Add("FirstDigitDelay", d.FirstDigitDelay);
    list.Add("StarHashTime", d.StarHashTime);
    list.Add("DKeySetting", d.DKeySetting);
    list.Add("Sidetone", d.Sidetone);
    list.Add("CallAlert", d.CallAlert);
    list.Add("GroupCode", d.GroupCode);
    list.Add("AutoResetTimer", d.AutoResetTimer);
    list.Add("IdCode", d.IdCode);
    list.Add("IdLength", d.IdLength);
    AddCode(list, "BotCode", d.BotCode);
    AddCode(list, "EotCode", d.EotCode);
    AddCode(list, "StunCode", d.StunCode);
    AddCode(list, "KillCode", d.KillCode);
    for (std::size_t i = 0; i < d.AutoDial.size(); ++i)
        AddCode(list, Indexed("AutoDial", i), d.AutoDial[i]);
}

void AddKeys(SettingList& list, const KeySettings& k) {
    list.Group("KeySettings.");
    list.Add("LongPressTime", k.LongPressTime);
    list.Add("EmergencyLongPressTime", k.EmergencyLongPressTime);
    list.Add("Pf1Long", k.Pf1Long);
    list.Add("Pf1Short", k.Pf1Short);
    list.Add("Pf2Long", k.Pf2Long);
    list.Add("Pf2Short", k.Pf2Short);
}

void AddAlert(SettingList& list, const AlertSettings& a, const CompanionRecord& companion) {
    list.Group("AlertSettings.");
    list.Add("EmergencyAlarm", a.EmergencyAlarm);
    list.Add("EmergencyIdType", a.EmergencyIdType);
    list.Add("EmergencyIdMemory", a.EmergencyIdMemory);
    list.Add("AlarmTime", a.AlarmTime);
    list.Add("AlarmTxTime", a.AlarmTxTime);
    list.Add("AlarmRxTime", a.AlarmRxTime);
    list.Add("ChannelSelect", a.ChannelSelect);
    list.Add("EmergencyGroup", a.EmergencyGroup);
    list.Add("EmergencyChannel", a.EmergencyChannel);
    list.Add("AlarmCycle", a.AlarmCycle);
    list.Add("AlarmMode", companion.AlarmMode);
}

void AddScan(SettingList& list, const ScanSettings& s) {
    list.Group("ScanSettings.");
    list.Add("ScanMode", s.ScanMode);
    list.Add("PriorityMode", s.PriorityMode);
    list.Add("ReturnChannel", s.ReturnChannel);
    list.Add("LookBackA", s.LookBackA);
    list.Add("LookBackB", s.LookBackB);
    list.Add("RxResumeDelay", s.RxResumeDelay);
    list.Add("TxResumeDelay", s.TxResumeDelay);
    list.Add("ScanEntryTone", s.ScanEntryTone);
    list.Add("Priority1Group", s.Priority1Group);
    list.Add("Priority1Channel", s.Priority1Channel);
    list.Add("Priority2Group", s.Priority2Group);
    list.Add("Priority2Channel", s.Priority2Channel);
}

void AddFileRecords(SettingList& list, const RadioData& data) {
    list.Group("");
    list.Add("ModelCode", data.Model.ModelCode);
    list.Add("BandCode", data.Model.BandCode);
    for (std::size_t i = 0; i < data.Functions.Message.Lines.size(); ++i)
        list.Add(Indexed("EmbeddedMessage", i), data.Functions.Message.Lines[i]);
    list.Add("ResetProhibit", data.Functions.ResetProhibit);
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
    AddOptions(list, data.Functions.Options);
    AddDtmf(list, data.Functions.Dtmf);
    AddKeys(list, data.Functions.Keys);
    AddAlert(list, data.Functions.Alert, companion);
    AddScan(list, data.Functions.Scan);
    AddFileRecords(list, data);
    return settings;
}

}  // namespace mox
