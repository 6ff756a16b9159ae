#pragma once

#include "factory/TestData.h"

namespace mox {

// The factory test mode and its calibration record: the working copy and the copy last loaded or
// saved beside the data file.
struct FactoryState {
    bool FactoryTestMode = false;
    TestData WorkingTestData{};
    TestData SavedTestData{};
};

}  // namespace mox
