#pragma once

#include <QImage>

namespace mox::art {

// The background of the main window (PIC/BK_1.jpg, PIC/BK_2.jpg): a calm light pattern with the
// product word. The main window tiles it with a step of its size less two pixels, dropping the
// outer pixel on every side, so the picture is 258 pixels square and repeats every 256 pixels inside
// that border; its border pixels repeat the opposite edge, so plain tiling looks right too. Scale 2
// draws the pattern twice as large (514 pixels, repeating every 512) for screens that scale by 200 %.
QImage DrawBackgroundTile(bool chinese, int scale);

}  // namespace mox::art
