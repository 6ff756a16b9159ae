#pragma once

namespace mox {

// Window measures are kept in twips: 15 twips are one pixel at 96 dpi, and a screen with a larger
// logical dpi gets proportionally more pixels.
int TwipsToPixels(int twips);
int PixelsToTwips(int pixels);

}  // namespace mox
