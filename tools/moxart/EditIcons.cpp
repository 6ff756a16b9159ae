#include <QPainterPath>
#include <QPolygonF>

#include "ArtPalette.h"
#include "Icons.h"

namespace mox::art {

namespace {

// A thick arc bending back over itself, with its head on the left (undo) or, mirrored, on the right.
void DrawTurningArrow(QPainter& p, bool mirrored) {
    p.save();
    if (mirrored) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(9, 13);
    arc.cubicTo(16, 6, 29, 8, 27, 19);
    arc.cubicTo(26, 25, 20, 27, 14, 26);
    p.setPen(QPen(kBlue, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(QPen(kBlue.darker(130), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({QPointF(3, 14), QPointF(14, 5), QPointF(14, 20)}));
    p.restore();
}

}  // namespace

void PaintEditUndo(QPainter& p) {
    DrawTurningArrow(p, false);
}

void PaintEditRedo(QPainter& p) {
    DrawTurningArrow(p, true);
}

}  // namespace mox::art
