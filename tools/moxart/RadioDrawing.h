#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace mox::art {

// The MOX-5HK hand-held as the splash picture shows it: antenna, top knob, orange emergency key,
// display, speaker grille and PTT key, centred in `bounds` (the radio is 100 by 240 units).
void DrawHandheldRadio(QPainter& painter, const QRectF& bounds);

// The same radio reduced to a few flat shapes for icons (12 by 28 units, centred in `bounds`).
void DrawRadioGlyph(QPainter& painter, const QRectF& bounds, const QColor& body);

}  // namespace mox::art
