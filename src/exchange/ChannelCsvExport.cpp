#include "exchange/ChannelCsvExport.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "codecs/DecimalText.h"
#include "exchange/ChannelFrequencies.h"
#include "exchange/CsvText.h"
#include "exchange/CsvTones.h"
#include "image/ChannelTable.h"

namespace mox {

namespace {

// MHz with six decimals; the radio's 10 Hz unit fills five of them.
std::string SixDecimals(std::int64_t units) {
    return FormatUnits(units) + "0";
}

// The raster the receive frequency settled on.
const char* StepOf(const ChannelRecord& c) {
    switch (c.RxStepClass) {
        case 1:
            return "6.25";
        case 2:
            return "8.33";
        default:
            return "5.00";
    }
}

// 12.5 kHz spacing is narrow FM; 20 and 25 kHz are FM. A value outside the list shows as its first
// entry, 12.5 kHz, as the channel list shows it.
const char* ModeOf(const ChannelRecord& c) {
    return c.Spacing == 1 || c.Spacing == 2 ? "FM" : "NFM";
}

std::string_view PowerOf(const ChannelRecord& c) {
    return c.TxPower >= 0 && c.TxPower < 3 ? kCsvPowerNames[static_cast<std::size_t>(c.TxPower)]
                                           : kCsvPowerNames[0];
}

// Duplex and Offset. A channel that may not transmit is "off": other programs must not transmit
// there either.
std::pair<std::string, std::string> DuplexOf(const ChannelRecord& c, std::int64_t rx) {
    const std::int64_t tx = TxUnitsOf(c, rx);
    if (c.TxInhibit != 0)
        return {"off", SixDecimals(0)};
    if (tx == rx)
        return {"", SixDecimals(0)};
    return {tx > rx ? "+" : "-", SixDecimals(std::abs(tx - rx))};
}

std::string RowOf(const ChannelRecord& c, std::int64_t rx) {
    const auto [duplex, offset] = DuplexOf(c, rx);
    const CsvToneColumns tones = ToneColumnsOf(c.RxTone, c.TxTone);
    const std::vector<std::string> fields = {std::to_string(c.Number),
                                             "",
                                             SixDecimals(rx),
                                             duplex,
                                             offset,
                                             tones.Tone,
                                             tones.RToneFreq,
                                             tones.CToneFreq,
                                             tones.DtcsCode,
                                             tones.DtcsPolarity,
                                             tones.RxDtcsCode,
                                             tones.CrossMode,
                                             ModeOf(c),
                                             StepOf(c),
                                             c.ScanSkip != 0 ? "S" : "",
                                             std::string(PowerOf(c)),
                                             "",
                                             "",
                                             "",
                                             "",
                                             ""};
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i == 0 ? "" : ",") + CsvField(fields[i]);
    return line + "\r\n";
}

}  // namespace

std::string ExportChannelsCsv(const ChannelTable& channels) {
    std::string text;
    for (std::string_view column : kChannelCsvColumns)
        text += (text.empty() ? "" : ",") + std::string(column);
    text += "\r\n";
    std::vector<const ChannelRecord*> ordered;
    for (int i = 0; i < UsedChannelCount(channels); ++i)
        ordered.push_back(&channels.Records[static_cast<std::size_t>(i)]);
    std::ranges::stable_sort(ordered, {}, &ChannelRecord::Number);
    for (const ChannelRecord* channel : ordered) {
        if (const std::optional<std::int64_t> rx = RxUnitsOf(*channel))
            text += RowOf(*channel, *rx);
    }
    return text;
}

}  // namespace mox
