#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include "ArtPalette.h"
#include "IconKit.h"
#include "Icons.h"
#include "RadioDrawing.h"

namespace mox::art {

void PaintNewFile(QPainter& p) {
    DrawPage(p, QRectF(6, 3, 18, 25));
    DrawPlusBadge(p, QPointF(23, 23), 7, kGreen);
}

void PaintOpenFile(QPainter& p) {
    p.setPen(QPen(kFolderDark.darker(130), 1.2));
    p.setBrush(kFolderDark);
    QPainterPath back;
    back.moveTo(3, 26);
    back.lineTo(3, 7);
    back.lineTo(11, 7);
    back.lineTo(13.5, 10);
    back.lineTo(25, 10);
    back.lineTo(25, 26);
    back.closeSubpath();
    p.drawPath(back);
    p.setPen(QPen(kSlate, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 5, 15, 12));
    p.setPen(QPen(kFolderDark.darker(130), 1.2));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({QPointF(7.5, 14), QPointF(30, 14), QPointF(25.5, 27), QPointF(3, 27)}));
}

void PaintSaveFile(QPainter& p) {
    p.setPen(QPen(kBlue.darker(150), 1.2));
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kMist);
    p.drawRect(QRectF(9, 4.6, 14, 8));
    p.setBrush(kInk);
    p.drawRect(QRectF(18, 6, 3, 5));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(8, 16, 16, 11.4), 1, 1);
    p.setPen(QPen(kSky, 1.4));
    p.drawLine(QPointF(11, 20), QPointF(21, 20));
    p.drawLine(QPointF(11, 23.5), QPointF(21, 23.5));
}

void PaintPrint(QPainter& p) {
    DrawPage(p, QRectF(9, 3, 14, 10));
    p.setPen(QPen(kInk, 1.2));
    QLinearGradient body(0, 12, 0, 24);
    body.setColorAt(0, kSlate.lighter(120));
    body.setColorAt(1, kSlate.darker(115));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(3, 12, 26, 12), 3, 3);
    DrawPage(p, QRectF(9, 19, 14, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(25, 16), 1.5, 1.5);
}

void PaintReadRadio(QPainter& p) {
    DrawRadioGlyph(p, QRectF(2, 2, 12, 28), kRadioBody);
    DrawArrow(p, QPointF(15, 16), QPointF(30, 16), kGreen, 4);
}

void PaintWriteRadio(QPainter& p) {
    DrawRadioGlyph(p, QRectF(2, 2, 12, 28), kRadioBody);
    DrawArrow(p, QPointF(30, 16), QPointF(15, 16), kOrange, 4);
}

void PaintCommSet(QPainter& p) {
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 20), QPointF(16, 26));
    p.drawArc(QRectF(16, 20, 12, 12), 180 * 16, 90 * 16);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kSlate.lighter(115));
    p.drawRoundedRect(QRectF(2, 5, 28, 16), 3, 3);
    p.setBrush(kMist);
    p.drawPolygon(QPolygonF({QPointF(5.5, 8), QPointF(26.5, 8), QPointF(23.5, 18), QPointF(8.5, 18)}));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(9.2 + i * 3.4, 11), 1.1, 1.1);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(10.9 + i * 3.4, 15), 1.1, 1.1);
}

void PaintAbout(QPainter& p) {
    QLinearGradient disc(0, 3, 0, 29);
    disc.setColorAt(0, kSky);
    disc.setColorAt(1, kBlue);
    p.setPen(QPen(kBlue.darker(140), 1.2));
    p.setBrush(disc);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
    p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1.2, 1.2);
}

void PaintTreeRoot(QPainter& p) {
    DrawRadioGlyph(p, QRectF(6, 1, 20, 30), kBlue.darker(120));
}

void PaintTreePage(QPainter& p) {
    const QRectF sheet(6, 3, 20, 26);
    DrawPage(p, sheet);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(9, 7, 8, 3));
    DrawPageLines(p, QRectF(6, 9, 20, 20), 4);
}

void PaintPaneClose(QPainter& p) {
    p.setPen(QPen(kInk, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 9), QPointF(23, 23));
    p.drawLine(QPointF(23, 9), QPointF(9, 23));
}

void PaintApp(QPainter& p) {
    QLinearGradient tile(0, 0, 32, 32);
    tile.setColorAt(0, kBlue.lighter(115));
    tile.setColorAt(1, kNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    DrawHandheldRadio(p, QRectF(9, 3, 14, 27));
}

}  // namespace mox::art
