#pragma once

#include <QImage>
#include <QSize>
#include <filesystem>

namespace mox {

// The main window's background: the picture repeated with a step of its size less two pixels, which
// drops its one-pixel border at the seams. A picture of two pixels or less in either direction cannot
// be tiled and gives a null image (the plain background).
QImage TileBackground(const QImage& picture, QSize size);

// PIC/BK_<language>.jpg of the program folder; a null image when it is missing or unreadable.
QImage LoadBackgroundPicture(const std::filesystem::path& programFolder, int language);

}  // namespace mox
