#pragma once

// Each delivered picture has a drawing twice as large beside it, "@2x" before the extension
// (StartE@2x.jpg, PIC/icons/NewFile@2x.png), so that it stays sharp on a screen that scales by 200 %.

#include <QImage>
#include <QtGlobal>
#include <filesystem>

namespace mox {

// "PIC/BK_1.jpg" -> "PIC/BK_1@2x.jpg".
std::filesystem::path DoubleSizeFile(const std::filesystem::path& file);

// The picture for a screen of this device pixel ratio: on a scaling screen its double-size drawing,
// marked with ratio 2 so that it takes the plain picture's place, when there is one; otherwise the
// plain picture. A null image when neither can be read.
QImage LoadSharpPicture(const std::filesystem::path& file, qreal devicePixelRatio);

}  // namespace mox
