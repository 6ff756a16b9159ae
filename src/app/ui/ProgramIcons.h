#pragma once

#include <QIcon>
#include <filesystem>

namespace mox {

// The icon PIC/icons/<key>.png of the program folder (tool bar keys, "Tree1" and "Tree2" for the
// tree images, "PaneClose", "App") with its double-size drawing <key>@2x.png; `fallback` when the
// file is missing or unreadable.
QIcon ProgramIcon(const std::filesystem::path& programFolder, const char* key, const QIcon& fallback = {});

}  // namespace mox
