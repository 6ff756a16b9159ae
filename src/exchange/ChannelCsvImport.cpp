#include "exchange/ChannelCsvImport.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "codecs/DecimalText.h"
#include "exchange/ChannelFrequencies.h"
#include "exchange/CsvChannelRow.h"
#include "exchange/CsvPower.h"
#include "image/ChannelTable.h"
#include "image/SetChannelField.h"

namespace mox {

namespace {

constexpr int kRxColumn = 1;
constexpr int kTxColumn = 2;
constexpr std::int16_t kHighPower = 2;
constexpr std::int16_t kNarrowSpacing = 0;
constexpr std::int16_t kWideSpacing = 2;  // 25 kHz

struct BandHz {
    std::int64_t Lower;
    std::int64_t Upper;

    bool Holds(const FileFrequency& f) const {
        return f.Hz >= Lower && (f.Hz < Upper || (f.Hz == Upper && !f.FinerThanHz));
    }
};

std::optional<ImportNote> BandFault(const CsvChannelRow& row, const BandHz& band, const ModelState& model) {
    if (!band.Holds(row.Rx))
        return ImportNote{
            row.Row, row.Location, kRxOutsideBand, {HertzText(row.Rx.Hz), model.BandName}, true};
    if (!row.TxInhibit && !band.Holds(row.Tx))
        return ImportNote{
            row.Row, row.Location, kTxOutsideBand, {HertzText(row.Tx.Hz), model.BandName}, true};
    return std::nullopt;
}

// The rows the radio can hold, in file order; the notes of the others go to the report.
std::vector<CsvChannelRow> ReadRows(const std::vector<CsvRecord>& records, const CsvHeader& header,
                                    const ModelState& model, ImportReport& report) {
    const BandHz band{LimitToUnits(model.LowerLimit) * 10, LimitToUnits(model.UpperLimit) * 10};
    std::vector<CsvChannelRow> rows;
    for (std::size_t i = 1; i < records.size(); ++i) {
        RowReading reading = ReadChannelRow(header, records[i], static_cast<int>(i) + 1);
        if (!reading.Skipped)
            reading.Skipped = BandFault(reading.Row, band, model);
        if (reading.Skipped)
            report.Notes.push_back(*reading.Skipped);
        else
            rows.push_back(reading.Row);
    }
    return rows;
}

// Gives each row its channel number: the next one in file order, or its Location.
class ChannelNumbers {
public:
    ChannelNumbers(bool keepLocations, ImportReport& report) : m_keep(keepLocations), m_report(report) {}

    std::optional<int> Of(const CsvChannelRow& row) {
        if (!m_keep) {
            if (m_next <= kChannelCapacity)
                return m_next++;
            return Refuse(row, kTooManyChannels, {});
        }
        int number = 0;
        const std::string& text = row.Location;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < 1 ||
            number > kChannelCapacity)
            return Refuse(row, kBadLocation, {text});
        if (const auto first = m_rowOf.find(number); first != m_rowOf.end())
            return Refuse(row, kLocationTaken, {text, std::to_string(first->second)});
        m_rowOf.emplace(number, row.Row);
        return number;
    }

private:
    std::optional<int> Refuse(const CsvChannelRow& row, ImportReason reason,
                              std::vector<std::string> values) {
        m_report.Notes.push_back(ImportNote{row.Row, row.Location, reason, std::move(values), true});
        return std::nullopt;
    }

    bool m_keep;
    ImportReport& m_report;
    int m_next = 1;
    std::map<int, int> m_rowOf;
};

class RowTaker {
public:
    RowTaker(const ChannelFieldContext& edit, const ChannelTable& before, const CsvPower& power,
             ImportReport& report)
        : m_edit(edit), m_before(before), m_power(power), m_report(report) {}

    void Take(const CsvChannelRow& row, int number, bool keepLocations) {
        ChannelTable& table = m_edit.Data.Channels;
        DeleteChannelByNumber(table, number);
        const ChannelRecord* before = keepLocations ? FindChannel(m_before, number) : nullptr;
        if (before != nullptr)
            table.Records[static_cast<std::size_t>(table.Count++)] = *before;
        SetChannelField(m_edit, number, kRxColumn, FormatUnits(row.Rx.Hz / 10));
        SetChannelField(m_edit, number, kTxColumn, FormatUnits(row.Tx.Hz / 10));
        ChannelRecord* channel = FindChannel(table, number);
        if (channel == nullptr)
            return;
        SetFields(row, *channel);
        NoteSettledFrequencies(row, *channel);
        ++m_report.Imported;
        m_report.NamesDropped += row.HasName ? 1 : 0;
        m_report.CommentsDropped += row.HasComment ? 1 : 0;
    }

private:
    // Tones and the rest are set as the file says: the channel list's tone coupling is a typing aid.
    void SetFields(const CsvChannelRow& row, ChannelRecord& channel) {
        channel.RxTone = static_cast<std::int16_t>(row.Tones.RxTone);
        channel.TxTone = static_cast<std::int16_t>(row.Tones.TxTone);
        channel.TxInhibit = row.TxInhibit ? 1 : 0;
        channel.ScanSkip = row.Skip ? 1 : 0;
        if (row.Width == CsvWidth::Narrow)
            channel.Spacing = kNarrowSpacing;
        else if (row.Width == CsvWidth::Wide && channel.Spacing != 1 && channel.Spacing != 2)
            channel.Spacing = kWideSpacing;
        const PowerReading power = m_power.Of(row.Power);
        if (power.Known)
            channel.TxPower = static_cast<std::int16_t>(power.Level);
        else if (!row.Power.empty()) {
            channel.TxPower = kHighPower;
            m_report.Notes.push_back(ImportNote{row.Row, row.Location, kUnknownPower, {row.Power}, false});
        }
        SettleBusyLock(channel);
    }

    void NoteSettledFrequencies(const CsvChannelRow& row, const ChannelRecord& channel) {
        const std::int64_t rx = RxUnitsOf(channel).value_or(0);
        if (rx * 10 != row.Rx.Hz || row.Rx.FinerThanHz)
            Changed(row, kRxSettled, row.Rx.Hz, rx * 10);
        // A simplex channel's transmit frequency follows its receive frequency.
        const std::int64_t tx = TxUnitsOf(channel, rx);
        const bool duplex = !row.TxInhibit && row.Tx.Hz != row.Rx.Hz;
        if (duplex && (tx * 10 != row.Tx.Hz || row.Tx.FinerThanHz))
            Changed(row, kTxSettled, row.Tx.Hz, tx * 10);
    }

    void Changed(const CsvChannelRow& row, ImportReason reason, std::int64_t fileHz, std::int64_t keptHz) {
        m_report.Notes.push_back(
            ImportNote{row.Row, row.Location, reason, {HertzText(fileHz), HertzText(keptHz)}, false});
    }

    const ChannelFieldContext& m_edit;
    const ChannelTable& m_before;
    const CsvPower& m_power;
    ImportReport& m_report;
};

void SortByNumber(ChannelTable& table) {
    const auto used = table.Records.begin() + UsedChannelCount(table);
    std::stable_sort(table.Records.begin(), used,
                     [](const ChannelRecord& a, const ChannelRecord& b) { return a.Number < b.Number; });
}

}  // namespace

ImportReport ImportChannelsCsv(std::string_view bytes, const ImportOptions& options, RadioData& data,
                               const ModelState& model) {
    ImportReport report;
    const std::vector<CsvRecord> records = ReadCsvRecords(bytes);
    if (records.empty() || !CsvHeader(records[0]).IsChannelList())
        return report;
    report.IsChannelCsv = true;
    const std::vector<CsvChannelRow> rows = ReadRows(records, CsvHeader(records[0]), model, report);

    RadioData result = data;
    if (!options.Merge)
        result.Channels.Count = 0;
    // The rows' frequencies are in the band already, so the rules have nothing to warn about, and
    // the windows are redrawn once the whole list is in.
    const Messages quiet;
    NoViews noViews;
    const ChannelFieldContext edit{result, model, false, quiet, noViews};
    const CsvPower power(rows);
    RowTaker taker(edit, data.Channels, power, report);
    ChannelNumbers numbers(options.KeepLocations, report);
    for (const CsvChannelRow& row : rows) {
        if (const std::optional<int> number = numbers.Of(row))
            taker.Take(row, *number, options.KeepLocations);
    }
    std::stable_sort(report.Notes.begin(), report.Notes.end(),
                     [](const ImportNote& a, const ImportNote& b) { return a.Row < b.Row; });
    if (report.Imported == 0)
        return report;
    // Each row went through the channel list's rules, which judged the scan and alert channels against
    // the list as far as it was filled then; a priority channel on a later row would have moved to the
    // first row's channel. They are judged once, against the whole new list.
    result.Functions.Scan = data.Functions.Scan;
    result.Functions.Alert = data.Functions.Alert;
    SortByNumber(result.Channels);
    RevalidateChannelReferences(result);
    data = result;
    return report;
}

}  // namespace mox
