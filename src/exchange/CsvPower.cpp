#include "exchange/CsvPower.h"

#include <charconv>
#include <optional>

#include "exchange/ChannelCsvExport.h"
#include "services/FoldedText.h"

namespace mox {

namespace {

std::optional<int> PowerName(const std::string& text) {
    const std::string folded = FoldedText(text);
    for (std::size_t i = 0; i < kCsvPowerNames.size(); ++i) {
        if (FoldedText(kCsvPowerNames[i]) == folded)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

// "4.0W", "0.5 W", "5w": a number, then "W".
std::optional<double> Watts(const std::string& text) {
    const std::string folded = FoldedText(text);
    if (folded.size() < 2 || folded.back() != 'w')
        return std::nullopt;
    double watts = 0;
    const char* last = folded.data() + folded.size() - 1;
    const auto [end, error] = std::from_chars(folded.data(), last, watts, std::chars_format::fixed);
    if (error != std::errc() || end != last || !(watts >= 0))
        return std::nullopt;
    return watts;
}

}  // namespace

CsvPower::CsvPower(const std::vector<CsvChannelRow>& rows) {
    for (const CsvChannelRow& row : rows) {
        if (const std::optional<double> watts = Watts(row.Power))
            m_watts.insert(*watts);
    }
}

PowerReading CsvPower::Of(const std::string& text) const {
    if (const std::optional<int> name = PowerName(text))
        return {true, *name};
    const std::optional<double> watts = Watts(text);
    if (!watts)
        return {};
    if (m_watts.size() == 1 || *watts == *m_watts.rbegin())
        return {true, 2};
    return {true, *watts == *m_watts.begin() ? 0 : 1};
}

}  // namespace mox
