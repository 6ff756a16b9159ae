#include "IconKit.h"

#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>

#include "ArtPalette.h"

namespace mox::art {

void DrawPage(QPainter& p, const QRectF& sheet) {
    const qreal fold = sheet.width() * 0.3;
    QPainterPath outline;
    outline.moveTo(sheet.topLeft());
    outline.lineTo(sheet.right() - fold, sheet.top());
    outline.lineTo(sheet.right(), sheet.top() + fold);
    outline.lineTo(sheet.bottomRight());
    outline.lineTo(sheet.bottomLeft());
    outline.closeSubpath();
    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(kPaper);
    p.drawPath(outline);
    QPainterPath corner;
    corner.moveTo(sheet.right() - fold, sheet.top());
    corner.lineTo(sheet.right() - fold, sheet.top() + fold);
    corner.lineTo(sheet.right(), sheet.top() + fold);
    p.setBrush(kMist);
    p.drawPath(corner);
}

void DrawPageLines(QPainter& p, const QRectF& sheet, int lines) {
    p.setPen(QPen(kSlate, 1.5, Qt::SolidLine, Qt::RoundCap));
    const qreal step = sheet.height() / (lines + 1);
    for (int i = 1; i <= lines; ++i) {
        const qreal y = sheet.top() + step * i + 2;
        p.drawLine(QPointF(sheet.left() + 3.5, y), QPointF(sheet.right() - 3.5, y));
    }
}

void DrawArrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour, qreal width) {
    const QLineF shaft(from, to);
    const qreal head = width * 2.2;
    QLineF back(to, from);
    back.setLength(head);
    const QPointF base = back.p2();
    QLineF side = back.normalVector();
    side.setLength(head * 0.85);
    const QPointF offset = side.p2() - side.p1();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(shaft.p1(), base);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({to, base + offset, base - offset}));
}

void DrawRow(QPainter& p, const QRectF& row, const QColor& fill) {
    p.setPen(QPen(fill.darker(140), 1));
    p.setBrush(fill);
    p.drawRoundedRect(row, 1.5, 1.5);
}

void DrawPlusBadge(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour) {
    p.setPen(QPen(kPaper, 1.5));
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
    const qreal arm = radius * 0.55;
    p.setPen(QPen(kPaper, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    p.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

}  // namespace mox::art
