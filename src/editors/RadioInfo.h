#pragma once

#include <cstdint>
#include <string>

namespace mox {

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
};

}  // namespace mox
