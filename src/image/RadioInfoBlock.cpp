#include "image/RadioInfoBlock.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>

namespace mox {

namespace {

struct BlockText {
    std::size_t Offset;
    std::size_t Size;
    std::string RadioInfo::*Field;
};

constexpr BlockText kBlockTexts[] = {
    {0, 4, &RadioInfo::SalesArea},      {16, 8, &RadioInfo::BatchNumber},  {32, 4, &RadioInfo::CustomerCode},
    {48, 16, &RadioInfo::SerialNumber}, {64, 16, &RadioInfo::FactoryDate}, {80, 16, &RadioInfo::RepairDate},
    {96, 96, &RadioInfo::RepairReason}, {432, 16, &RadioInfo::DealerCode}, {448, 16, &RadioInfo::StockInDate},
    {464, 16, &RadioInfo::SaleDate},    {480, 16, &RadioInfo::Handler},
};

std::string BlockTextAt(const RadioInfoBlock& block, std::size_t offset, std::size_t size) {
    const auto begin = block.begin() + static_cast<std::ptrdiff_t>(offset);
    const auto end = std::find_if(begin, begin + static_cast<std::ptrdiff_t>(size),
                                  [](std::uint8_t b) { return b == 0x00 || b == 0xFF; });
    return std::string(begin, end);
}

std::string TwoDigits(int month) {
    return {static_cast<char>('0' + month / 10 % 10), static_cast<char>('0' + month % 10)};
}

}  // namespace

void UnpackRadioInfoBlock(const RadioInfoBlock& block, const ModelState& model, RadioInfo& info) {
    for (const BlockText& text : kBlockTexts)
        info.*text.Field = BlockTextAt(block, text.Offset, text.Size);
    info.BlockTexts = TextEncoding::RadioCodePage;
    info.InfoBandCode = model.BandCode;
}

TextEncoding EncodingOf(const RadioInfo& info, std::string RadioInfo::*field) {
    const bool fromBlock = std::any_of(std::begin(kBlockTexts), std::end(kBlockTexts),
                                       [field](const BlockText& text) { return text.Field == field; });
    return fromBlock ? info.BlockTexts : TextEncoding::Utf8;
}

void ResetRadioInfo(RadioInfo& info, const ModelState& model, const Today& today) {
    info = RadioInfo{};
    info.InfoBandCode = model.BandCode;
    info.InfoModel = model.ModelCode;
    info.VersionInfo = "V2.00";
    info.SalesArea = "0595";
    info.BatchNumber = TwoDigits(today.Month) + "-1-E-1";
    info.CustomerCode = "001A";
    info.FactoryDate = today.ShortDate;
    info.RepairDate = today.ShortDate;
    info.StockInDate = today.ShortDate;
    info.SaleDate = today.ShortDate;
}

}  // namespace mox
