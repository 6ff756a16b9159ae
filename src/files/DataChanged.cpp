#include "files/DataChanged.h"

#include <algorithm>

namespace mox {

namespace {

// Rewrites a text as it reads back, so fields that differ only after their end compare equal.
template <std::size_t N>
void Settle(FixedText<N>& field) {
    SetFixedText(field, CutFixedText(field));
}

ChannelRecord Settled(ChannelRecord channel) {
    Settle(channel.RxDigits);
    Settle(channel.ShiftDigits);
    return channel;
}

FunctionSettings Settled(FunctionSettings functions) {
    DtmfSettings& dtmf = functions.Dtmf;
    Settle(dtmf.IdCode);
    for (DtmfCode* code : {&dtmf.BotCode, &dtmf.EotCode, &dtmf.StunCode, &dtmf.KillCode})
        Settle(code->Digits);
    for (DtmfCode& code : dtmf.AutoDial)
        Settle(code.Digits);
    for (FixedText<16>& line : functions.Message.Lines)
        Settle(line);
    return functions;
}

ModelRecord Settled(ModelRecord model) {
    Settle(model.ModelCode);
    return model;
}

TestFrequencyPair Settled(TestFrequencyPair pair) {
    Settle(pair.First);
    Settle(pair.Second);
    return pair;
}

CompanionRecord Settled(CompanionRecord companion) {
    Settle(companion.Tag);
    return companion;
}

bool ChannelsDiffer(const ChannelTable& working, const ChannelTable& saved) {
    if (working.Count != saved.Count)
        return true;
    const int inUse = std::clamp<int>(working.Count, 0, kChannelCapacity);
    for (int i = 0; i < inUse; ++i) {
        if (Settled(working.Records[i]) != Settled(saved.Records[i]))
            return true;
    }
    return false;
}

bool TestPairsDiffer(const RadioData& working, const RadioData& saved) {
    for (std::size_t i = 0; i < working.TestFrequencies.size(); ++i) {
        if (Settled(working.TestFrequencies[i]) != Settled(saved.TestFrequencies[i]))
            return true;
    }
    return false;
}

}  // namespace

bool IsDataChanged(const DocumentContext& document) {
    const RadioData& working = document.Data;
    const RadioData& saved = document.SavedData;
    return ChannelsDiffer(working.Channels, saved.Channels) ||
           Settled(working.Model) != Settled(saved.Model) ||
           Settled(working.Functions) != Settled(saved.Functions) ||
           Settled(document.Companion) != Settled(document.SavedCompanion) ||
           TestPairsDiffer(working, saved) ||
           (document.FactoryTestMode && document.WorkingTestData != document.SavedTestData);
}

}  // namespace mox
