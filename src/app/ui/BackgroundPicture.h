#pragma once

#include <QImage>
#include <QSize>
#include <filesystem>

namespace mox {

// The main window's background: the picture repeated with a step of its size less two pixels, which
// drops its one-pixel border at the seams. A picture of two pixels or less in either direction cannot
// be tiled and gives a null image (the plain background). A picture of device pixel ratio 2 tiles
// twice as many pixels, so the background keeps its logical size and is sharp.
QImage TileBackground(const QImage& picture, QSize logicalSize);

// PIC/BK_<language>.jpg of the program folder, or its double-size drawing on a scaling screen; a null
// image when it is missing or unreadable.
QImage LoadBackgroundPicture(const std::filesystem::path& programFolder, int language,
                             qreal devicePixelRatio = 1.0);

}  // namespace mox
