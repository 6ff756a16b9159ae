#pragma once

// The Power column: a name ("Low", "Mid", "High", any case) or, as several programs write it, the
// watts of the radio the file came from ("4.0W", "0.5W"). Watts mean nothing to this radio, so they
// are ranked among the file's own values: the lowest is Low, the highest High, any between Mid; a file
// with one value gives High.

#include <set>
#include <string>
#include <vector>

#include "exchange/CsvChannelRow.h"

namespace mox {

struct PowerReading {
    bool Known = false;
    int Level = 0;  // TxPower: 0 Low, 1 Mid, 2 High
};

class CsvPower {
public:
    explicit CsvPower(const std::vector<CsvChannelRow>& rows);
    // Not known for an empty text or one that is neither a name nor watts.
    PowerReading Of(const std::string& text) const;

private:
    std::set<double> m_watts;
};

}  // namespace mox
