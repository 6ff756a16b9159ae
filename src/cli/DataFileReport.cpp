#include "cli/DataFileReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <iterator>
#include <optional>
#include <ostream>
#include <vector>

#include "codecs/Frequency.h"
#include "codecs/Tones.h"
#include "image/ChannelTable.h"
#include "image/FunctionSettingTable.h"

namespace mox::cli {
namespace {

template <std::size_t N>
QString Text(const FixedText<N>& field) {
    return QString::fromLatin1(CutFixedText(field));
}

QJsonObject ChannelJson(AppState& state, const ChannelRecord& c) {
    const std::string rx = CutFixedText(c.RxDigits);
    const std::string shift(c.ShiftDigits.begin(), c.ShiftDigits.end());
    return {{"Number", c.Number},
            {"IsEmpty", c.IsEmpty},
            {"RxDigits", Text(c.RxDigits)},
            {"ShiftDirection", c.ShiftDirection},
            {"ShiftDigits", Text(c.ShiftDigits)},
            {"RxFrequency", QString::fromStdString(DigitsToDisplay(state.Model, state, rx))},
            {"TxFrequency",
             QString::fromStdString(TxDisplay(state.Model, state, rx, shift, c.ShiftDirection, false))},
            {"RxTone", c.RxTone},
            {"TxTone", c.TxTone},
            {"RxStepClass", c.RxStepClass},
            {"TxStepClass", c.TxStepClass},
            {"TxInhibit", c.TxInhibit},
            {"ReverseOrTalkaround", c.ReverseOrTalkaround},
            {"VoiceScramble", c.VoiceScramble},
            {"BusyLock", c.BusyLock},
            {"Talkaround", c.Talkaround},
            {"SignallingRelation", c.SignallingRelation},
            {"Whisper", c.Whisper},
            {"PttId", c.PttId},
            {"Spacing", c.Spacing},
            {"OptionalSignalling", c.OptionalSignalling},
            {"Compander", c.Compander},
            {"Reverse", c.Reverse},
            {"TxPower", c.TxPower},
            {"AutoDial1", c.AutoDial1},
            {"AutoDial2", c.AutoDial2},
            {"ScanSkip", c.ScanSkip}};
}

QJsonValue SettingJson(const FunctionSetting& setting, const SettingSources& sources) {
    switch (setting.Kind) {
        case SettingKind::Number:
            return setting.Number(sources);
        case SettingKind::Text:
            return QString::fromLatin1(setting.Text(sources));
        case SettingKind::Code:
            break;
    }
    const DtmfCode& code = setting.Code(sources);
    return QJsonObject{{"Count", code.Count}, {"Digits", Text(code.Digits)}};
}

// A setting under its field name; a list's entries into an array under their shared name.
void PutSetting(QJsonObject& object, const FunctionSetting& setting, const SettingSources& sources) {
    const QString field = QString::fromStdString(setting.Field);
    if (setting.Index == 0) {
        object[field] = SettingJson(setting, sources);
        return;
    }
    QJsonArray list = object[field].toArray();
    list.append(SettingJson(setting, sources));
    object[field] = list;
}

QJsonObject SettingsJson(const AppState& state) {
    const RadioData& data = state.Data;
    QJsonArray presets;
    for (const FmPreset& p : data.FmPresets)
        presets.append(QJsonObject{{"PresetEmpty", p.PresetEmpty}, {"FmDigits", Text(p.FmDigits)}});
    QJsonArray pairs;
    for (const TestFrequencyPair& p : data.TestFrequencies)
        pairs.append(QJsonObject{{"First", Text(p.First)}, {"Second", Text(p.Second)}});
    QJsonObject json = FunctionSettingsJson(state);
    json["FormatTag"] = Text(data.FormatTag);
    json["ModelCode"] = Text(data.Model.ModelCode);
    json["BandCode"] = data.Model.BandCode;
    json["FmPresets"] = presets;
    json["TestFrequencies"] = pairs;
    return json;
}

QJsonArray ChannelsJson(AppState& state) {
    QJsonArray channels;
    const int count = UsedChannelCount(state.Data.Channels);
    for (int i = 0; i < count; ++i)
        channels.append(ChannelJson(state, state.Data.Channels.Records[static_cast<std::size_t>(i)]));
    return channels;
}

std::string ValueText(const QJsonValue& value) {
    if (value.isString())
        return value.toString().toStdString();
    return QString::number(value.toInt()).toStdString();
}

// "Group.Field value", nested objects and lists spelled out with dots and indexes.
void PrintFlat(const QString& prefix, const QJsonValue& value, std::ostream& out) {
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            PrintFlat(prefix.isEmpty() ? it.key() : prefix + "." + it.key(), it.value(), out);
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (int i = 0; i < array.size(); ++i)
            PrintFlat(prefix + "[" + QString::number(i + 1) + "]", array[i], out);
    } else {
        out << prefix.toStdString() << ' ' << ValueText(value) << '\n';
    }
}

const char* const kColumns[] = {"Number",
                                "RxFrequency",
                                "TxFrequency",
                                "RxTone",
                                "TxTone",
                                "TxPower",
                                "Spacing",
                                "ScanSkip",
                                "BusyLock",
                                "OptionalSignalling",
                                "PttId",
                                "ReverseOrTalkaround",
                                "VoiceScramble",
                                "TxInhibit",
                                "Talkaround",
                                "Reverse",
                                "Whisper",
                                "Compander",
                                "SignallingRelation",
                                "AutoDial1",
                                "AutoDial2"};
const char* const kHeadings[] = {"CH",   "RX MHz", "TX MHz", "RX tone", "TX tone", "Pwr", "Spc",
                                 "Skip", "Busy",   "OptSig", "PttId",   "Rev/TA",  "Scr", "TxInh",
                                 "TA",   "Rev",    "Wsp",    "Comp",    "SigRel",  "AD1", "AD2"};

std::string CellText(const QJsonObject& channel, const char* column) {
    const QString name = QString::fromLatin1(column);
    if (name == "RxTone" || name == "TxTone")
        return ToneText(channel[name].toInt(), "OFF");
    return ValueText(channel[name]);
}

// The heading and one line per channel, each column as wide as its widest cell, one blank between
// columns.
std::vector<std::string> ChannelTableLines(const QJsonArray& channels) {
    constexpr std::size_t kColumnCount = std::size(kColumns);
    std::vector<std::vector<std::string>> rows(
        1, std::vector<std::string>(std::begin(kHeadings), std::end(kHeadings)));
    for (const QJsonValue& value : channels) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const char* column : kColumns)
            row.push_back(CellText(value.toObject(), column));
    }
    std::vector<std::size_t> widths(kColumnCount, 0);
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < kColumnCount; ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string& line = lines.emplace_back();
        for (std::size_t i = 0; i < kColumnCount; ++i)
            line += row[i] + std::string(widths[i] - row[i].size() + 1, ' ');
        line.erase(line.find_last_not_of(' ') + 1);
    }
    return lines;
}

}  // namespace

QJsonObject FunctionSettingsJson(const AppState& state) {
    const SettingSources sources{state.Data.Functions, state.Companion};
    QJsonObject json;
    for (const FunctionSetting& setting : FunctionSettingTable()) {
        // The embedded message and ResetProhibit stand beside the records, as in FunctionSettings.
        const QString record = QString::fromStdString(SettingRecordName(setting.Group));
        if (record.isEmpty()) {
            PutSetting(json, setting, sources);
            continue;
        }
        QJsonObject fields = json[record].toObject();
        PutSetting(fields, setting, sources);
        json[record] = fields;
    }
    return json;
}

void PrintJson(const QJsonObject& json, std::ostream& out) {
    out << QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
}

QJsonObject DataToJson(AppState& state) {
    QJsonObject json = SettingsJson(state);
    json["Channels"] = ChannelsJson(state);
    return json;
}

void PrintDataAsText(AppState& state, std::ostream& out) {
    for (const std::string& line : ChannelTableLines(ChannelsJson(state)))
        out << line << '\n';
    out << '\n';
    PrintFlat(QString(), SettingsJson(state), out);
}

namespace {

// The row of the whole table that shows this channel; nothing when there is no such channel.
std::optional<std::string> RowOf(const QJsonArray& channels, const std::vector<std::string>& lines,
                                 int number) {
    for (qsizetype i = 0; i < channels.size(); ++i) {
        if (channels[i].toObject()["Number"].toInt() == number)
            return lines[static_cast<std::size_t>(i) + 1];
    }
    return std::nullopt;
}

}  // namespace

void PrintChannelRow(AppState& state, int number, std::ostream& out) {
    const QJsonArray channels = ChannelsJson(state);
    const std::vector<std::string> lines = ChannelTableLines(channels);
    out << lines[0] << '\n';
    if (const std::optional<std::string> row = RowOf(channels, lines, number))
        out << *row << '\n';
}

void PrintChannelRows(AppState& state, const std::vector<int>& numbers, std::ostream& out) {
    const QJsonArray channels = ChannelsJson(state);
    const std::vector<std::string> lines = ChannelTableLines(channels);
    out << lines[0] << '\n';
    for (int number : numbers)
        out << RowOf(channels, lines, number).value_or(std::to_string(number)) << '\n';
}

}  // namespace mox::cli
