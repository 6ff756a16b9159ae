#pragma once

#include <QString>

namespace mox {

// The width a window needs for its title bar to show `title` whole, at most the screen's width.
int TitleBarWidth(const QString& title);

}  // namespace mox
