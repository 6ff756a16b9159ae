// The radio information block as the information read brings it: any bytes. Each text ends at its
// first 0x00 or 0xFF byte or at its size, keeps the radio's bytes, and nothing outside the texts
// changes.

#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/FuzzInput.h"
#include "image/RadioInfoBlock.h"

namespace {

using namespace mox;

struct Text {
    std::size_t Offset;
    std::size_t Size;
    std::string RadioInfo::*Field;
};

// Where the radio keeps each text of its information block.
constexpr Text kTexts[] = {
    {0, 4, &RadioInfo::SalesArea},      {16, 8, &RadioInfo::BatchNumber},  {32, 4, &RadioInfo::CustomerCode},
    {48, 16, &RadioInfo::SerialNumber}, {64, 16, &RadioInfo::FactoryDate}, {80, 16, &RadioInfo::RepairDate},
    {96, 96, &RadioInfo::RepairReason}, {432, 16, &RadioInfo::DealerCode}, {448, 16, &RadioInfo::StockInDate},
    {464, 16, &RadioInfo::SaleDate},    {480, 16, &RadioInfo::Handler},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RadioInfoBlock block{};
    std::copy_n(data, std::min(size, block.size()), block.begin());
    ModelState model;
    model.BandCode = size > block.size() ? data[block.size()] : 3;
    RadioInfo info;
    info.VersionInfo = "V9.99";
    info.InfoModel = "RB516G";
    UnpackRadioInfoBlock(block, model, info);

    for (const Text& text : kTexts) {
        const std::string& value = info.*text.Field;
        FUZZ_CHECK(value.size() <= text.Size);
        FUZZ_CHECK(std::equal(value.begin(), value.end(), block.begin() + text.Offset,
                              [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }));
        FUZZ_CHECK(value.find('\0') == std::string::npos && value.find('\xFF') == std::string::npos);
        // The text runs to its size unless a 0x00 or 0xFF ended it.
        const std::uint8_t next = value.size() < text.Size ? block[text.Offset + value.size()] : 0;
        FUZZ_CHECK(value.size() == text.Size || next == 0x00 || next == 0xFF);
        FUZZ_CHECK(EncodingOf(info, text.Field) == TextEncoding::RadioCodePage);
    }
    FUZZ_CHECK(info.VersionInfo == "V9.99" && info.InfoModel == "RB516G");
    FUZZ_CHECK(info.InfoBandCode == model.BandCode);
    FUZZ_CHECK(EncodingOf(info, &RadioInfo::VersionInfo) == TextEncoding::Utf8);
    return 0;
}
