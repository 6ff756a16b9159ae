#include "RadioDrawing.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>

#include "ArtPalette.h"

namespace mox::art {

namespace {

// Maps a drawing of width by height units onto the middle of `bounds` without distortion.
void FitUnits(QPainter& painter, const QRectF& bounds, qreal width, qreal height) {
    const qreal scale = std::min(bounds.width() / width, bounds.height() / height);
    painter.translate(bounds.center().x() - width * scale / 2, bounds.center().y() - height * scale / 2);
    painter.scale(scale, scale);
}

void DrawAntenna(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRadioEdge);
    painter.drawRoundedRect(QRectF(14, 0, 14, 92), 7, 7);
    painter.setBrush(QColor(70, 77, 88));
    painter.drawRoundedRect(QRectF(17, 6, 3, 80), 1.5, 1.5);
    painter.setBrush(QColor(58, 63, 71));
    painter.drawRoundedRect(QRectF(9, 84, 24, 16), 3, 3);
}

void DrawTopControls(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 44, 51));
    painter.drawRoundedRect(QRectF(62, 74, 26, 26), 4, 4);
    painter.setPen(QPen(QColor(78, 85, 96), 2));
    for (qreal x = 66; x <= 84; x += 4)
        painter.drawLine(QPointF(x, 77), QPointF(x, 97));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOrange);
    painter.drawRoundedRect(QRectF(38, 90, 18, 10), 3, 3);
}

void DrawBody(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRadioEdge);
    painter.drawRoundedRect(QRectF(-6, 122, 10, 40), 3, 3);
    QLinearGradient shade(0, 0, 100, 0);
    shade.setColorAt(0, QColor(78, 86, 98));
    shade.setColorAt(0.35, kRadioBody);
    shade.setColorAt(1, QColor(27, 30, 36));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(0, 98, 100, 142), 14, 14);
    painter.setPen(QPen(QColor(255, 255, 255, 60), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(3, 114), QPointF(3, 226));
}

void DrawDisplay(QPainter& painter) {
    QLinearGradient glass(0, 112, 0, 148);
    glass.setColorAt(0, kDisplay.lighter(112));
    glass.setColorAt(1, kDisplay.darker(118));
    painter.setPen(QPen(kRadioEdge, 2));
    painter.setBrush(glass);
    painter.drawRoundedRect(QRectF(14, 112, 72, 36), 5, 5);
    QFont digits(kFontFamily);
    digits.setPixelSize(17);
    digits.setBold(true);
    painter.setFont(digits);
    painter.setPen(kNavy);
    painter.drawText(QRectF(14, 112, 72, 36), Qt::AlignCenter, "CH 01");
    QFont brand(kFontFamily);
    brand.setPixelSize(9);
    brand.setBold(true);
    painter.setFont(brand);
    painter.setPen(QColor(201, 209, 219));
    painter.drawText(QRectF(0, 150, 100, 14), Qt::AlignCenter, "MOX-5HK");
}

void DrawSpeaker(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(32, 36, 42));
    painter.drawRoundedRect(QRectF(16, 168, 68, 58), 8, 8);
    painter.setPen(QPen(QColor(66, 73, 84), 3, Qt::SolidLine, Qt::RoundCap));
    for (qreal y = 176; y <= 218; y += 7)
        painter.drawLine(QPointF(25, y), QPointF(75, y));
}

}  // namespace

void DrawHandheldRadio(QPainter& painter, const QRectF& bounds) {
    painter.save();
    FitUnits(painter, bounds, 100, 240);
    DrawAntenna(painter);
    DrawTopControls(painter);
    DrawBody(painter);
    DrawDisplay(painter);
    DrawSpeaker(painter);
    painter.restore();
}

void DrawRadioGlyph(QPainter& painter, const QRectF& bounds, const QColor& body) {
    painter.save();
    FitUnits(painter, bounds, 12, 28);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body.darker(150));
    painter.drawRoundedRect(QRectF(1.5, 0, 2.6, 10.5), 1.3, 1.3);
    painter.drawRect(QRectF(8, 7, 2.6, 2.5));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(0, 9, 12, 19), 2.5, 2.5);
    painter.setBrush(kDisplay);
    painter.drawRoundedRect(QRectF(2, 11.5, 8, 5), 1, 1);
    painter.setPen(QPen(body.lighter(170), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (qreal y = 19.5; y < 26; y += 2.4)
        painter.drawLine(QPointF(2.8, y), QPointF(9.2, y));
    painter.restore();
}

}  // namespace mox::art
