#pragma once

#include <QImage>

namespace mox::art {

// The start-up picture (StartE.jpg, StartC.jpg): product name, subtitle in the chosen language and
// the hand-held radio on a blue gradient.
QImage DrawSplashPicture(bool chinese);

}  // namespace mox::art
