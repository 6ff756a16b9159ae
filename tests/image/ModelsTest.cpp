#include <gtest/gtest.h>

#include "image/Models.h"
#include "link/CompatibilityCheck.h"

namespace mox {
namespace {

TEST(Models, DisplayNamesAndCodesMapBothWays) {
    EXPECT_EQ(ModelDisplayName("RB516"), "MOX-5HK");
    EXPECT_EQ(ModelDisplayName("RB516G"), "MOX-5HK_1");
    EXPECT_EQ(ModelCodeOf("MOX-5HK_1"), "RB516G");
    EXPECT_EQ(ModelCodeOf(std::string_view("MOX-5HK\0  ", 10)), "RB516");
    EXPECT_EQ(ModelCodeOf("XY100   "), "XY100");
}

TEST(Bands, NamesAndCodesFollowTheTable) {
    EXPECT_EQ(BandCodeOf("430 - 480 MHz"), 7);
    EXPECT_EQ(BandCodeOf("450 - 520 MHz"), 32);
    EXPECT_EQ(BandCodeOf("430-480 MHz"), 0);
    EXPECT_EQ(BandName(16), "350 - 390 MHz");
    EXPECT_EQ(BandName(15), "");
    EXPECT_EQ(BandCodes(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 32}));
    for (int code : BandCodes())
        EXPECT_EQ(BandCodeOf(BandName(code)), code);
    EXPECT_EQ(BandNamesOfModel("RB516").size(), 17u);
    EXPECT_EQ(BandNamesOfModel("RB516G").back(), "450 - 520 MHz");
    EXPECT_TRUE(BandNamesOfModel("XY100").empty());
}

TEST(Bands, LimitsComeFromTheBandName) {
    ModelState model;
    SetBandLimits(model, "136 - 174 MHz");
    EXPECT_EQ(model.BandName, "136 - 174 MHz");
    EXPECT_EQ(model.BandCode, 8);
    EXPECT_EQ(model.LowerLimit, 136);
    EXPECT_EQ(model.UpperLimit, 174);
    SetBandLimits(model, "450 - 520 MHz");
    EXPECT_EQ(model.LowerLimit, 450);
    EXPECT_EQ(model.UpperLimit, 520);
    // With no name there are no limits to take: the band in use stays, so frequencies stay checked.
    SetBandLimits(model, "");
    SetBandLimits(model, "123 - 456 MHz");
    EXPECT_EQ(model.BandName, "450 - 520 MHz");
    EXPECT_EQ(model.BandCode, 32);
    EXPECT_EQ(model.LowerLimit, 450);
}

TEST(Bands, FamiliesShareOnlyUpToFamilyThree) {
    EXPECT_TRUE(IsSameBandFamily(1, 6));
    EXPECT_TRUE(IsSameBandFamily(8, 14));
    EXPECT_FALSE(IsSameBandFamily(7, 8));
    EXPECT_FALSE(IsSameBandFamily(32, 32));
    EXPECT_FALSE(IsSameBandFamily(-1, 0));
}

TEST(Compatibility, WriteNeedsTheSameModelOutsideFactoryTestModeReadAnyKnownModel) {
    EXPECT_TRUE(IsModelCompatible("RB516", "RB516", TransferKind::WriteImage, false));
    EXPECT_FALSE(IsModelCompatible("RB516G", "RB516", TransferKind::WriteImage, false));
    EXPECT_TRUE(IsModelCompatible("RB516G", "RB516", TransferKind::WriteImage, true));
    EXPECT_FALSE(IsModelCompatible("RB516", "XY100", TransferKind::WriteImage, true));
    EXPECT_TRUE(IsModelCompatible("RB516G", "RB516", TransferKind::ReadImage, false));
    EXPECT_TRUE(IsModelCompatible("XY100", std::string_view("RB516G\0", 7), TransferKind::ReadImage, false));
    EXPECT_FALSE(IsModelCompatible("RB516", "XY100", TransferKind::ReadImage, false));
    EXPECT_FALSE(IsBandCompatible(0, 7, TransferKind::WriteImage));
    EXPECT_TRUE(IsBandCompatible(0, 7, TransferKind::ReadImage));
}

TEST(ModelRecord, MirrorsTheCurrentModelState) {
    ModelState model;
    model.ModelCode = "RB516G";
    SetBandLimits(model, "145 - 174 MHz");
    ModelRecord record;
    SyncModelRecord(model, record);
    EXPECT_EQ(std::string(record.ModelCode.data(), 7), std::string("RB516G\0", 7));
    EXPECT_EQ(record.BandCode, 12);

    ModelState applied;
    ApplyModelRecord(applied, record);
    EXPECT_EQ(applied.ModelCode, "RB516G");
    EXPECT_EQ(applied.BandName, "145 - 174 MHz");
    EXPECT_EQ(applied.BandCode, 12);
    EXPECT_EQ(applied.LowerLimit, 145);

    // A band code outside the table keeps the band in use.
    record.BandCode = 15;
    ApplyModelRecord(applied, record);
    EXPECT_EQ(applied.BandName, "145 - 174 MHz");
    EXPECT_EQ(applied.BandCode, 12);
    EXPECT_EQ(applied.UpperLimit, 174);
}

}  // namespace
}  // namespace mox
