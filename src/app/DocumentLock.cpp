#include "app/DocumentLock.h"

#include <algorithm>
#include <array>

namespace mox {

namespace {

constexpr std::array<std::string_view, 19> kOfferedWhileLocked = {"mnuFile",
                                                                  "mnuFileSave",
                                                                  "mnuFileSaveAs",
                                                                  "mnuFileExport",
                                                                  "mnuFileCompare",
                                                                  "mnuFilePrint",
                                                                  "mnuProgram",
                                                                  "mnuFleetWrite",
                                                                  "mnuView",
                                                                  "mnuTreeView",
                                                                  "mnuViewToolbar",
                                                                  "mnuViewStatusBar",
                                                                  "mnuWindow",
                                                                  "mnuWindowCascade",
                                                                  "mnuWindowTileHorizontal",
                                                                  "mnuWindowTileVertical",
                                                                  "mnuHelp",
                                                                  "mnuHelpAbout",
                                                                  "mnuWindowArrangeIcons"};

}  // namespace

bool OfferedWhileLocked(std::string_view entry) {
    return std::find(kOfferedWhileLocked.begin(), kOfferedWhileLocked.end(), entry) !=
           kOfferedWhileLocked.end();
}

}  // namespace mox
