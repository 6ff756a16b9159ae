#pragma once

#include <string>

namespace mox {

// The day new data is made on, as the radio information defaults need it. The GUI fills it from the
// system date in the user's short date format; tests give a fixed day.
struct Today {
    std::string ShortDate;
    int Month = 1;  // 1..12
};

// Today from the system clock with the date as YYYY-MM-DD, for the tools without a user locale.
Today TodayFromSystemClock();

}  // namespace mox
