#pragma once

#include <cstdint>
#include <string>

namespace mox {

// How a text of the radio information is stored. What the program writes itself (the defaults of new
// data, today's date in the user's format among them) is UTF-8; what comes from the radio keeps the
// radio's bytes, in its Chinese code page.
enum class TextEncoding { Utf8, RadioCodePage };

// The production and dealer data of the radio information block, as the information window shows
// them. Not saved in data files.
struct RadioInfo {
    std::int16_t InfoBandCode = 0;
    std::string InfoReserved;
    std::string SerialNumber;
    std::string FactoryDate;
    std::string RepairDate;
    std::string RepairReason;
    std::string VersionInfo = "V2.00";
    std::string InfoModel = "RB516";
    std::string SalesArea = "0595";
    std::string BatchNumber;
    std::string CustomerCode = "001A";
    std::string DealerCode;
    std::string StockInDate;
    std::string SaleDate;
    std::string Handler;
    // The encoding of the texts that the information block fills: the radio's after an information
    // read, UTF-8 while they are the defaults of new data.
    TextEncoding BlockTexts = TextEncoding::Utf8;
};

}  // namespace mox
