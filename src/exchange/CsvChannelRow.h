#pragma once

// One row of a channel list in the exchange columns, read into what the radio can hold. The band and
// the channel number are the importer's business.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "exchange/CsvText.h"
#include "exchange/CsvTones.h"
#include "exchange/ImportReport.h"

namespace mox {

// A frequency in whole Hz as the file gives it.
struct FileFrequency {
    std::int64_t Hz = 0;
    bool FinerThanHz = false;  // digits beyond the sixth decimal were dropped
};

enum class CsvWidth { AsBefore, Narrow, Wide };

struct CsvChannelRow {
    int Row = 0;
    std::string Location;
    FileFrequency Rx;
    FileFrequency Tx;  // the receive frequency when the channel does not transmit
    bool TxInhibit = false;
    CsvTones Tones;
    CsvWidth Width = CsvWidth::AsBefore;
    std::string Power;  // as written; empty when the file gives none
    bool Skip = false;
    bool HasName = false;
    bool HasComment = false;
};

// The columns of the header line, by name without regard to case and surrounding blanks.
class CsvHeader {
public:
    explicit CsvHeader(const CsvRecord& names);
    bool IsChannelList() const;
    // The trimmed cell of a column; `fallback` when the column is missing or the cell is empty.
    std::string Cell(const CsvRecord& record, const std::string& column,
                     const std::string& fallback = {}) const;

private:
    std::map<std::string, std::size_t> m_columns;
};

// The row, or the note saying why it is skipped.
struct RowReading {
    CsvChannelRow Row;
    std::optional<ImportNote> Skipped;
};
RowReading ReadChannelRow(const CsvHeader& header, const CsvRecord& record, int row);

// Frequencies in the report: MHz with six decimals.
std::string HertzText(std::int64_t hz);

}  // namespace mox
