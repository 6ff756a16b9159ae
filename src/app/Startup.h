#pragma once

// The program's preparation before the main window: version records, language, link settings and
// the first-run link search, new data, the splash window, the title, the factory test mode and the
// small settings files.

#include <string>

#include "app/AppState.h"
#include "image/Today.h"

namespace mox {

// The windows start-up shows; the GUI implements them.
class StartupShell {
public:
    virtual ~StartupShell() = default;
    // The first-run link search window, modal; it clears state.Link.IsFirstRun when a radio answered.
    virtual void RunFirstRunSearch(AppState& state) = 0;
    // Creates the splash window and makes it visible; the splash window opens the main window later.
    virtual void ShowSplash(AppState& state) = 0;
};

struct StartupInput {
    std::string LocaleName;  // the system locale as the platform names it ("zh_CN", "en_US")
    Today Day;               // for the radio information defaults of new data
};

// False when the user gave up the first-run link search: the program ends at once, without a window,
// and nothing has been written, so the search runs again at the next start.
bool RunStartup(AppState& state, StartupShell& shell, const StartupInput& input);

}  // namespace mox
