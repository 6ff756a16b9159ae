#pragma once

#include <QImage>

namespace mox::art {

// The start-up picture (StartE.jpg, StartC.jpg): product name, subtitle in the chosen language and
// the hand-held radio on a blue gradient. Scale 2 draws it twice as large for screens that scale by
// 200 % (StartE@2x.jpg).
QImage DrawSplashPicture(bool chinese, int scale);

}  // namespace mox::art
