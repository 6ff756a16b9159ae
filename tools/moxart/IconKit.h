#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace mox::art {

// Shapes shared by several icons.

// A white sheet with a dark outline and a folded top-right corner.
void DrawPage(QPainter& p, const QRectF& sheet);

// Text lines on a sheet.
void DrawPageLines(QPainter& p, const QRectF& sheet, int lines);

// A thick arrow from `from` to `to` with a solid head.
void DrawArrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour, qreal width);

// A channel row of the channel list.
void DrawRow(QPainter& p, const QRectF& row, const QColor& fill);

// A round badge with a white plus, the mark of something added.
void DrawPlusBadge(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour);

}  // namespace mox::art
