#include <gtest/gtest.h>

#include <algorithm>

#include "editors/RadioInfoBlock.h"

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

    UnpackRadioInfoBlock(state);

    EXPECT_EQ(state.Info.SerialNumber, "ABC");
    EXPECT_EQ(state.Info.SalesArea, "5555");
    EXPECT_EQ(state.Info.Handler, "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(state.Info.RepairReason, "");
    EXPECT_EQ(state.Info.InfoBandCode, 7);
}

TEST(RadioInfoBlockTest, ErasedBlockGivesEmptyTextsAndKeepsModelAndVersion) {
    AppState state;
    ResetRadioInfo(state, Today{"09.07.2024", 7});
    state.InfoBlock.fill(0xFF);

    UnpackRadioInfoBlock(state);

    for (const std::string* text :
         {&state.Info.SalesArea, &state.Info.BatchNumber, &state.Info.CustomerCode, &state.Info.SerialNumber,
          &state.Info.FactoryDate, &state.Info.RepairDate, &state.Info.RepairReason, &state.Info.DealerCode,
          &state.Info.StockInDate, &state.Info.SaleDate, &state.Info.Handler})
        EXPECT_EQ(*text, "");
    EXPECT_EQ(state.Info.InfoModel, "RB516");
    EXPECT_EQ(state.Info.VersionInfo, "V2.00");
}

}  // namespace
}  // namespace mox
