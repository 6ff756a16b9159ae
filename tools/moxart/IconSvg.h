#pragma once

#include <QString>

#include "Icons.h"

namespace mox::art {

// Writes the icon as a scalable drawing (SVG) of a canvas x canvas view box, painted by the same
// painter as its pixel pictures, so the desktop's scalable icon and the sized ones look alike.
bool WriteIconSvg(const QString& path, IconPainter paint, int canvas);

}  // namespace mox::art
