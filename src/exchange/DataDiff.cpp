#include "exchange/DataDiff.h"

#include <array>

#include "codecs/Tones.h"
#include "exchange/ChannelFrequencies.h"
#include "image/ChannelTable.h"

namespace mox {

namespace {

// The entry a list shows for a value; the number itself for a value outside the list.
template <std::size_t N>
std::string Entry(const std::array<const char*, N>& entries, int value) {
    return value >= 0 && value < static_cast<int>(N) ? entries[static_cast<std::size_t>(value)]
                                                     : std::to_string(value);
}

std::string Tone(int code) {
    return code >= 0 && code < kToneCount ? ToneText(code, "Off") : std::to_string(code);
}

std::string Shown(const std::string& value) {
    return value.empty() ? "\"\"" : value;
}

std::string Listed(const std::vector<NamedValue>& values) {
    std::string text;
    for (const auto& [name, value] : values)
        text += (text.empty() ? "" : ", ") + name + " " + Shown(value);
    return text;
}

void DiffChannel(int number, const ChannelRecord* from, const ChannelRecord* to,
                 std::vector<std::string>& out) {
    const std::string channel = "channel " + std::to_string(number);
    if (from == nullptr) {
        out.push_back(channel + " added: " + Listed(ChannelFieldValues(*to)));
        return;
    }
    if (to == nullptr) {
        out.push_back(channel + " removed: " + Listed(ChannelFieldValues(*from)));
        return;
    }
    const std::vector<NamedValue> before = ChannelFieldValues(*from);
    const std::vector<NamedValue> after = ChannelFieldValues(*to);
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].second != after[i].second)
            out.push_back(channel + " " + before[i].first + ": " + Shown(before[i].second) + " -> " +
                          Shown(after[i].second));
    }
}

}  // namespace

std::vector<NamedValue> ChannelFieldValues(const ChannelRecord& c) {
    static constexpr std::array<const char*, 3> kPower = {"Low", "Mid", "High"};
    static constexpr std::array<const char*, 3> kSpacing = {"12.5 kHz", "20 kHz", "25 kHz"};
    static constexpr std::array<const char*, 2> kSkip = {"Add", "Skip"};
    static constexpr std::array<const char*, 2> kSignalling = {"Off", "DTMF"};
    return {{"RxFrequency", RxDisplayOf(c)},
            {"TxFrequency", TxDisplayOf(c)},
            {"RxTone", Tone(c.RxTone)},
            {"TxTone", Tone(c.TxTone)},
            {"TxPower", Entry(kPower, c.TxPower)},
            {"Spacing", Entry(kSpacing, c.Spacing)},
            {"ScanSkip", Entry(kSkip, c.ScanSkip)},
            {"OptionalSignalling", Entry(kSignalling, c.OptionalSignalling)},
            {"BusyLock", std::to_string(c.BusyLock)},
            {"PttId", std::to_string(c.PttId)},
            {"ReverseOrTalkaround", std::to_string(c.ReverseOrTalkaround)},
            {"VoiceScramble", std::to_string(c.VoiceScramble)},
            {"TxInhibit", std::to_string(c.TxInhibit)},
            {"Talkaround", std::to_string(c.Talkaround)},
            {"Reverse", std::to_string(c.Reverse)},
            {"Whisper", std::to_string(c.Whisper)},
            {"Compander", std::to_string(c.Compander)},
            {"SignallingRelation", std::to_string(c.SignallingRelation)},
            {"AutoDial1", std::to_string(c.AutoDial1)},
            {"AutoDial2", std::to_string(c.AutoDial2)}};
}

std::vector<std::string> DiffDataFiles(const DataFileContent& from, const DataFileContent& to) {
    std::vector<std::string> lines;
    for (int number = 1; number <= kChannelCapacity; ++number) {
        const ChannelRecord* before = FindChannel(from.Data.Channels, number);
        const ChannelRecord* after = FindChannel(to.Data.Channels, number);
        if (before != nullptr || after != nullptr)
            DiffChannel(number, before, after, lines);
    }
    const std::vector<NamedValue> before = NamedSettings(from.Data, from.Companion);
    const std::vector<NamedValue> after = NamedSettings(to.Data, to.Companion);
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].second != after[i].second)
            lines.push_back(before[i].first + ": " + Shown(before[i].second) + " -> " +
                            Shown(after[i].second));
    }
    return lines;
}

}  // namespace mox
