#include <gtest/gtest.h>

#include <algorithm>

#include "app/AppState.h"
#include "image/RadioInfoBlock.h"

namespace mox {
namespace {

TEST(RadioInfoBlockTest, TextsEndAtTheirFirstNulOrErasedByte) {
    AppState state;
    state.InfoBlock.fill(0xFF);
    const std::uint8_t serial[] = {0x41, 0x42, 0x43, 0x00, 0x44};
    std::copy(std::begin(serial), std::end(serial), state.InfoBlock.begin() + 48);
    // A sales area that fills its four bytes runs into the unused bytes behind it.
    std::fill_n(state.InfoBlock.begin(), 8, '5');
    const std::uint8_t chinese[] = {0xD6, 0xD0, 0xCE, 0xC4, 0xFF};
    std::copy(std::begin(chinese), std::end(chinese), state.InfoBlock.begin() + 480);
    state.Model.BandCode = 7;

    UnpackRadioInfoBlock(state.InfoBlock, state.Model, state.Info);

    EXPECT_EQ(state.Info.SerialNumber, "ABC");
    EXPECT_EQ(state.Info.SalesArea, "5555");
    EXPECT_EQ(state.Info.Handler, "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(state.Info.RepairReason, "");
    EXPECT_EQ(state.Info.InfoBandCode, 7);
}

TEST(RadioInfoBlockTest, ErasedBlockGivesEmptyTextsAndKeepsModelAndVersion) {
    AppState state;
    ResetRadioInfo(state.Info, state.Model, Today{"09.07.2024", 7});
    state.InfoBlock.fill(0xFF);

    UnpackRadioInfoBlock(state.InfoBlock, state.Model, state.Info);

    for (const std::string* text :
         {&state.Info.SalesArea, &state.Info.BatchNumber, &state.Info.CustomerCode, &state.Info.SerialNumber,
          &state.Info.FactoryDate, &state.Info.RepairDate, &state.Info.RepairReason, &state.Info.DealerCode,
          &state.Info.StockInDate, &state.Info.SaleDate, &state.Info.Handler})
        EXPECT_EQ(*text, "");
    EXPECT_EQ(state.Info.InfoModel, "RB516");
    EXPECT_EQ(state.Info.VersionInfo, "V2.00");
}

// The program's own texts (today's date in the user's format can hold any character) are UTF-8; the
// texts an information read brought are the radio's bytes. The two must never be decoded alike.
TEST(RadioInfoBlockTest, TextsFromTheRadioAndTheProgramsOwnKeepTheirEncodings) {
    AppState state;
    ResetRadioInfo(state.Info, state.Model, Today{"2026\xE5\xB9\xB4", 1});  // 2026年
    for (std::string RadioInfo::*field :
         {&RadioInfo::FactoryDate, &RadioInfo::SerialNumber, &RadioInfo::InfoModel})
        EXPECT_EQ(EncodingOf(state.Info, field), TextEncoding::Utf8);

    state.InfoBlock.fill(0xFF);
    UnpackRadioInfoBlock(state.InfoBlock, state.Model, state.Info);
    for (std::string RadioInfo::*field :
         {&RadioInfo::FactoryDate, &RadioInfo::SerialNumber, &RadioInfo::Handler, &RadioInfo::SalesArea,
          &RadioInfo::RepairReason})
        EXPECT_EQ(EncodingOf(state.Info, field), TextEncoding::RadioCodePage);
    EXPECT_EQ(EncodingOf(state.Info, &RadioInfo::InfoModel), TextEncoding::Utf8);
    EXPECT_EQ(EncodingOf(state.Info, &RadioInfo::VersionInfo), TextEncoding::Utf8);

    ResetRadioInfo(state.Info, state.Model, Today{"2026-01-02", 1});
    EXPECT_EQ(EncodingOf(state.Info, &RadioInfo::FactoryDate), TextEncoding::Utf8);
}

}  // namespace
}  // namespace mox
