#include "cli/CliBatch.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <vector>

#include "channels/BatchFieldChecks.h"
#include "channels/BatchSetup.h"
#include "cli/CliValues.h"
#include "cli/DataFileReport.h"
#include "files/DataFile.h"
#include "files/DocumentWindows.h"
#include "image/ChannelChanges.h"
#include "image/ChannelTable.h"
#include "services/FoldedText.h"

namespace mox::cli {
namespace {

// What the options ask for: the dialog's controls and the items ticked.
struct BatchRequest {
    BatchFields Fields;
    BatchItemSelection Items{};
    std::set<std::string> Given;
};

// Each option fills its part of the request; an error text when its value does not fit.
using OptionRule = std::function<std::string(AppState&, BatchRequest&, const std::string&)>;

// The characters the dialog's field would take: digits, and "." in a frequency, step or offset field.
bool TypedAs(const std::string& text, bool (*keeps)(char32_t)) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [keeps](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code >= 32 && keeps(code);
    });
}

std::string Expect(bool fits, const std::string& option, const std::string& value) {
    return fits ? std::string() : option + " does not take \"" + value + "\"";
}

OptionRule Frequency(std::string BatchFields::*field, int item, BatchTxMode mode = BatchTxMode::Default) {
    return [field, item, mode](AppState&, BatchRequest& r, const std::string& value) {
        r.Fields.*field = value;
        SelectBatchItem(r.Items, item, true);
        if (item == kBatchTxFrequency)
            r.Fields.TxMode = mode;
        return Expect(TypedAs(value, KeepsBatchFrequencyKey), item == kBatchTxFrequency ? "--tx" : "--rx",
                      value);
    };
}

OptionRule Text(std::string BatchFields::*field, const char* option) {
    return [field, option](AppState&, BatchRequest& r, const std::string& value) {
        r.Fields.*field = value;
        return Expect(TypedAs(value, KeepsBatchFrequencyKey), option, value);
    };
}

OptionRule Flag(bool BatchFields::*field) {
    return [field](AppState&, BatchRequest& r, const std::string&) {
        r.Fields.*field = true;
        return std::string();
    };
}

std::string Offset(AppState&, BatchRequest& r, const std::string& value) {
    const bool signed_ = !value.empty() && (value[0] == '+' || value[0] == '-');
    r.Fields.OffsetMinus = !value.empty() && value[0] == '-';
    r.Fields.TxOffset = signed_ ? value.substr(1) : value;
    r.Fields.TxMode = BatchTxMode::Offset;
    SelectBatchItem(r.Items, kBatchTxFrequency, true);
    return Expect(TypedAs(r.Fields.TxOffset, KeepsBatchFrequencyKey), "--tx-offset", value);
}

OptionRule Tone(int tone) {
    return [tone](AppState& state, BatchRequest& r, const std::string& value) {
        BatchToneFields& fields = tone == 0 ? r.Fields.RxTone : r.Fields.TxTone;
        SelectBatchItem(r.Items, tone == 0 ? kBatchRxTone : kBatchTxTone, true);
        if (tone == 1) {
            r.Fields.TxToneSameAsRx = FoldedText(value) == "same";
            if (r.Fields.TxToneSameAsRx)
                return std::string();
        }
        const std::optional<int> code = ToneCode(state, value);
        fields.Start = code.value_or(0);
        return Expect(code.has_value(), tone == 0 ? "--rxtone" : "--txtone", value);
    };
}

OptionRule ToneInterval(int tone) {
    return [tone](AppState&, BatchRequest& r, const std::string& value) {
        (tone == 0 ? r.Fields.RxTone : r.Fields.TxTone).Interval = value;
        return Expect(TypedAs(value, KeepsBatchDigitKey), tone == 0 ? "--rxtone-step" : "--txtone-step",
                      value);
    };
}

std::string RandomTone(AppState&, BatchRequest& r, const std::string&) {
    r.Fields.RxTone.Random = true;
    SelectBatchItem(r.Items, kBatchRxTone, true);
    return {};
}

OptionRule RangeEnd(std::string BatchFields::*field, const char* option) {
    return [field, option](AppState&, BatchRequest& r, const std::string& value) {
        r.Fields.AllChannels = false;
        r.Fields.*field = value;
        return Expect(TypedAs(value, KeepsBatchDigitKey), option, value);
    };
}

// An item by its channel field and a value its list or check box offers.
std::string FixedValue(AppState& state, BatchRequest& r, int item, const std::string& option,
                       const std::string& value) {
    const std::optional<int> number = WholeNumber(value);
    const std::vector<int> offered = BatchItemValues(item, state.Data.Functions.Dtmf);
    if (!number || std::find(offered.begin(), offered.end(), *number) == offered.end())
        return option + " does not take \"" + value + "\"";
    r.Fields.Values[item] = *number;
    SelectBatchItem(r.Items, item, true);
    return {};
}

std::string Power(AppState& state, BatchRequest& r, const std::string& value) {
    return FixedValue(state, r, kBatchTxPower, "--power", value);
}

std::string SetItem(AppState& state, BatchRequest& r, const std::string& value) {
    const std::size_t equals = value.find('=');
    const std::string field = value.substr(0, equals);
    const int item = BatchItemOfField(field);
    if (equals == std::string::npos || item < 0 || item == kBatchTxPower)
        return "--set takes FIELD=VALUE of a channel field other than the frequencies, tones and power, not "
               "\"" +
               value + "\"";
    return FixedValue(state, r, item, field, value.substr(equals + 1));
}

const std::map<std::string, OptionRule>& Rules() {
    using F = BatchFields;
    static const std::map<std::string, OptionRule> rules = {
        {"--from", RangeEnd(&F::FromText, "--from")},
        {"--to", RangeEnd(&F::ToText, "--to")},
        {"--rx", Frequency(&F::RxStart, kBatchRxFrequency)},
        {"--rx-step", Text(&F::RxStep, "--rx-step")},
        {"--down", Flag(&F::RxDecrease)},
        {"--tx-offset", Offset},
        {"--tx", Frequency(&F::TxStart, kBatchTxFrequency, BatchTxMode::StartFrequency)},
        {"--tx-step", Text(&F::TxStep, "--tx-step")},
        {"--tx-down", Flag(&F::TxDecrease)},
        {"--rxtone", Tone(0)},
        {"--rxtone-step", ToneInterval(0)},
        {"--rxtone-down",
         [](AppState&, BatchRequest& r, const std::string&) {
             r.Fields.RxTone.Decrease = true;
             return std::string();
         }},
        {"--rxtone-random", RandomTone},
        {"--txtone", Tone(1)},
        {"--txtone-step", ToneInterval(1)},
        {"--power", Power},
        {"--set", SetItem},
        {"--clear-outside", Flag(&F::ClearOutside)},
    };
    return rules;
}

// Options that only tell how another one works, and options that exclude each other.
std::string CheckTogether(const BatchRequest& r) {
    const std::pair<const char*, const char*> needs[] = {
        {"--rx-step", "--rx"},         {"--down", "--rx"},
        {"--tx-step", "--tx"},         {"--tx-down", "--tx"},
        {"--rxtone-step", "--rxtone"}, {"--rxtone-down", "--rxtone"},
        {"--txtone-step", "--txtone"},
    };
    for (const auto& [option, needed] : needs) {
        if (r.Given.count(option) != 0 && r.Given.count(needed) == 0)
            return std::string(option) + " needs " + needed;
    }
    if (r.Given.count("--tx") != 0 && r.Given.count("--tx-offset") != 0)
        return "--tx and --tx-offset exclude each other";
    if (r.Given.count("--rxtone-down") != 0 && r.Given.count("--rxtone-random") != 0)
        return "--rxtone-down and --rxtone-random exclude each other";
    if (r.Given.count("--txtone-step") != 0 && r.Fields.TxToneSameAsRx)
        return "--txtone same takes no --txtone-step";
    return {};
}

std::string ReadRequest(AppState& state, const CliCommand& command, BatchRequest& request) {
    request.Fields = InitialBatchFields(state.Model);
    for (const auto& [option, value] : command.BatchOptions) {
        request.Given.insert(option);
        if (std::string error = Rules().at(option)(state, request, value); !error.empty())
            return error;
    }
    return CheckTogether(request);
}

}  // namespace

int BatchCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err) {
    AppState& state = session.State();
    NoDocumentWindows windows;
    if (!OpenDataFile(state, windows, command.File))
        return 1;
    BatchRequest request;
    if (const std::string error = ReadRequest(state, command, request); !error.empty()) {
        err << "moxcps-cli: " << error << '\n';
        return 2;
    }
    const ChannelTable before = state.Data.Channels;
    const auto seed = std::chrono::system_clock::now().time_since_epoch().count();
    const ToneDraw draw = UniformToneDraw(static_cast<std::uint64_t>(seed));
    ApplyBatch(request.Fields, request.Items, {state.Data.Channels, state.Model, state, draw});
    if (!SaveDataFile(state, windows))
        return 1;
    // The channels the batch set up; those it cleared outside the range are left out.
    PrintChannelRows(state, ChangedOrAddedChannels(before, state.Data.Channels), out);
    return 0;
}

}  // namespace mox::cli
