#include <gtest/gtest.h>

#include "image/ModelChoice.h"
#include "image/Models.h"

namespace mox {
namespace {

ModelState Current(const std::string& modelCode, const std::string& band) {
    ModelState model;
    model.ModelCode = modelCode;
    SetBandLimits(model, band);
    return model;
}

// Data of an unknown model (from a data file) must show as they are, so that OK without a change is no
// change; a known model offers its seventeen bands.
TEST(ModelChoiceTest, TheListsHoldTheCurrentModelAndBandEvenWhenUnknown) {
    const std::vector<std::string> twoModels = {"MOX-5HK", "MOX-5HK_1"};
    EXPECT_EQ(ModelChoiceNames(Current("RB516G", "136 - 174 MHz")), twoModels);
    EXPECT_EQ(ModelChoiceNames(Current("XY100", "136 - 174 MHz")),
              (std::vector<std::string>{"MOX-5HK", "MOX-5HK_1", "XY100"}));

    struct Case {
        const char* Model;
        const char* Chosen;
        std::vector<std::string> Bands;
    };
    const Case cases[] = {
        {"XY100", "XY100", {"136 - 174 MHz"}},
        {"XY100", "MOX-5HK", BandNamesOfModel("RB516")},
        {"RB516", "MOX-5HK_1", BandNamesOfModel("RB516G")},
        {"RB516", "MOX-5HK", BandNamesOfModel("RB516")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BandChoiceNames(Current(c.Model, "136 - 174 MHz"), c.Chosen), c.Bands)
            << c.Model << " " << c.Chosen;
}

}  // namespace
}  // namespace mox
