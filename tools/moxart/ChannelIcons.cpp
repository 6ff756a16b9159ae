#include <QPainterPath>

#include "ArtPalette.h"
#include "IconKit.h"
#include "Icons.h"

namespace mox::art {

namespace {

const QColor kRowFill{214, 228, 242};

}  // namespace

void PaintChannelCut(QPainter& p) {
    p.setPen(QPen(kSlate.darker(130), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 20), QPointF(21, 3));
    p.drawLine(QPointF(19.5, 20), QPointF(11, 3));
    p.setPen(QPen(kRed, 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 24), 4.5, 4.5);
    p.drawEllipse(QPointF(22, 24), 4.5, 4.5);
}

void PaintChannelCopy(QPainter& p) {
    DrawPage(p, QRectF(4, 3, 16, 20));
    DrawPage(p, QRectF(12, 9, 16, 20));
    DrawPageLines(p, QRectF(12, 13, 16, 16), 3);
}

void PaintChannelPaste(QPainter& p) {
    p.setPen(QPen(QColor(120, 82, 40), 1.2));
    p.setBrush(QColor(196, 146, 86));
    p.drawRoundedRect(QRectF(4, 5, 19, 24), 2, 2);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kSlate.lighter(130));
    p.drawRoundedRect(QRectF(9, 2.5, 9, 5), 1.5, 1.5);
    DrawPage(p, QRectF(13, 11, 15, 18));
    DrawPageLines(p, QRectF(13, 14, 15, 15), 3);
}

void PaintChannelInsert(QPainter& p) {
    DrawRow(p, QRectF(11, 3.5, 18, 6), kRowFill);
    DrawRow(p, QRectF(11, 22.5, 18, 6), kRowFill);
    p.setPen(QPen(kGreen, 1.5, Qt::DashLine));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(11, 13, 18, 6), 1.5, 1.5);
    DrawArrow(p, QPointF(1.5, 16), QPointF(9.5, 16), kGreen, 3.2);
}

void PaintChannelDelete(QPainter& p) {
    DrawRow(p, QRectF(3, 3.5, 20, 6), kRowFill);
    DrawRow(p, QRectF(3, 13, 20, 6), QColor(245, 190, 188));
    DrawRow(p, QRectF(3, 22.5, 20, 6), kRowFill);
    p.setPen(QPen(kRed, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 10), QPointF(29, 22));
    p.drawLine(QPointF(29, 10), QPointF(21, 22));
}

void PaintChannelMoveUp(QPainter& p) {
    DrawRow(p, QRectF(4, 23, 24, 6), kRowFill);
    DrawArrow(p, QPointF(16, 21), QPointF(16, 2.5), kBlue, 4.4);
}

void PaintChannelMoveDown(QPainter& p) {
    DrawRow(p, QRectF(4, 3, 24, 6), kRowFill);
    DrawArrow(p, QPointF(16, 11), QPointF(16, 29.5), kBlue, 4.4);
}

}  // namespace mox::art
