#include "exchange/CsvChannelRow.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace mox {

namespace {

constexpr std::int64_t kHzPerMHz = 1'000'000;
// Far beyond any radio frequency; keeps the sums of frequencies and offsets from overflowing.
constexpr std::int64_t kLargestHz = 1'000'000 * kHzPerMHz;

std::string Trimmed(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string Folded(const std::string& text) {
    std::string folded = Trimmed(text);
    for (char& c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "435.125", "+5", "0.600000": an optional sign, digits with at most one "." and at least one digit.
std::optional<FileFrequency> ReadMegahertz(const std::string& text) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++at;
    FileFrequency f;
    int decimals = -1;
    bool anyDigit = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (!IsDigit(c)) {
            return std::nullopt;
        } else if (decimals >= 6) {
            anyDigit = true;
            f.FinerThanHz = f.FinerThanHz || c != '0';
        } else {
            anyDigit = true;
            f.Hz = std::min(f.Hz * 10 + (c - '0'), kLargestHz);
            if (decimals >= 0)
                ++decimals;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    for (int d = std::max(decimals, 0); d < 6; ++d)
        f.Hz = std::min(f.Hz * 10, kLargestHz);
    if (negative)
        f.Hz = -f.Hz;
    return f;
}

ImportNote Note(const CsvChannelRow& row, ImportReason reason, const std::string& value) {
    return ImportNote{row.Row, row.Location, reason, {value}, true};
}

// Transmit frequency and inhibit from Duplex and Offset.
std::optional<ImportNote> ReadDuplex(const CsvHeader& header, const CsvRecord& record, CsvChannelRow& row) {
    const std::string duplex = Folded(header.Cell(record, "Duplex"));
    const std::string offsetText = header.Cell(record, "Offset", "0");
    row.Tx = row.Rx;
    if (duplex.empty())
        return std::nullopt;
    if (duplex == "off") {
        row.TxInhibit = true;
        return std::nullopt;
    }
    if (duplex != "+" && duplex != "-" && duplex != "split")
        return Note(row, kUnknownDuplex, header.Cell(record, "Duplex"));
    const std::optional<FileFrequency> offset = ReadMegahertz(offsetText);
    if (!offset)
        return Note(row, kOffsetNotNumber, offsetText);
    if (duplex == "split")
        row.Tx = *offset;
    else
        row.Tx.Hz = row.Rx.Hz + (duplex == "+" ? offset->Hz : -offset->Hz);
    row.Tx.FinerThanHz = row.Rx.FinerThanHz || offset->FinerThanHz;
    return std::nullopt;
}

std::optional<ImportNote> ReadTones(const CsvHeader& header, const CsvRecord& record, CsvChannelRow& row) {
    CsvToneColumns columns;
    columns.Tone = header.Cell(record, "Tone");
    columns.RToneFreq = header.Cell(record, "rToneFreq", columns.RToneFreq);
    columns.CToneFreq = header.Cell(record, "cToneFreq", columns.CToneFreq);
    columns.DtcsCode = header.Cell(record, "DtcsCode", columns.DtcsCode);
    columns.DtcsPolarity = header.Cell(record, "DtcsPolarity", columns.DtcsPolarity);
    columns.RxDtcsCode = header.Cell(record, "RxDtcsCode", columns.RxDtcsCode);
    columns.CrossMode = header.Cell(record, "CrossMode", columns.CrossMode);
    row.Tones = TonesOfColumns(columns);
    switch (row.Tones.Fault) {
        case ToneFault::None:
            return std::nullopt;
        case ToneFault::UnknownMode:
            return Note(row, kUnknownToneMode, row.Tones.Text);
        case ToneFault::UnknownCrossMode:
            return Note(row, kUnknownCrossMode, row.Tones.Text);
        case ToneFault::CtcssNotInList:
            return Note(row, kCtcssNotInList, row.Tones.Text);
        case ToneFault::DcsNotInList:
            return Note(row, kDcsNotInList, row.Tones.Text);
        case ToneFault::BadPolarity:
            return Note(row, kBadPolarity, row.Tones.Text);
    }
    return std::nullopt;
}

std::optional<ImportNote> ReadMode(const CsvHeader& header, const CsvRecord& record, CsvChannelRow& row) {
    const std::string mode = Folded(header.Cell(record, "Mode"));
    if (mode == "fm")
        row.Width = CsvWidth::Wide;
    else if (mode == "nfm")
        row.Width = CsvWidth::Narrow;
    else if (!mode.empty())
        return Note(row, kModeNotFm, header.Cell(record, "Mode"));
    return std::nullopt;
}

}  // namespace

CsvHeader::CsvHeader(const CsvRecord& names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        m_columns.emplace(Folded(names[i]), i);
}

bool CsvHeader::IsChannelList() const {
    return m_columns.count("location") != 0 && m_columns.count("frequency") != 0;
}

std::string CsvHeader::Cell(const CsvRecord& record, const std::string& column,
                            const std::string& fallback) const {
    const auto found = m_columns.find(Folded(column));
    if (found == m_columns.end() || found->second >= record.size())
        return fallback;
    const std::string cell = Trimmed(record[found->second]);
    return cell.empty() ? fallback : cell;
}

RowReading ReadChannelRow(const CsvHeader& header, const CsvRecord& record, int row) {
    RowReading reading;
    CsvChannelRow& r = reading.Row;
    r.Row = row;
    r.Location = header.Cell(record, "Location");
    const std::string frequency = header.Cell(record, "Frequency");
    const std::optional<FileFrequency> rx = ReadMegahertz(frequency);
    if (!rx) {
        reading.Skipped = Note(r, kFrequencyNotNumber, frequency);
        return reading;
    }
    r.Rx = *rx;
    reading.Skipped = ReadDuplex(header, record, r);
    if (!reading.Skipped)
        reading.Skipped = ReadTones(header, record, r);
    if (!reading.Skipped)
        reading.Skipped = ReadMode(header, record, r);
    r.Power = header.Cell(record, "Power");
    r.Skip = Folded(header.Cell(record, "Skip")) == "s";
    r.HasName = !header.Cell(record, "Name").empty();
    r.HasComment = !header.Cell(record, "Comment").empty();
    return reading;
}

std::string HertzText(std::int64_t hz) {
    const std::int64_t whole = std::llabs(hz) / kHzPerMHz;
    std::string decimals = std::to_string(std::llabs(hz) % kHzPerMHz);
    decimals.insert(0, 6 - decimals.size(), '0');
    return (hz < 0 ? "-" : "") + std::to_string(whole) + "." + decimals;
}

}  // namespace mox
