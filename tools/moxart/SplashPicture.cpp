#include "SplashPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "ArtPalette.h"
#include "RadioDrawing.h"

namespace mox::art {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 300;

void DrawBackdrop(QPainter& painter) {
    QLinearGradient sky(0, 0, kWidth, kHeight);
    sky.setColorAt(0, kNavy);
    sky.setColorAt(0.6, QColor(20, 84, 143));
    sky.setColorAt(1, kBlue);
    painter.fillRect(0, 0, kWidth, kHeight, sky);
    QRadialGradient glow(QPointF(372, 120), 190);
    glow.setColorAt(0, QColor(255, 255, 255, 70));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(0, 0, kWidth, kHeight, glow);
}

// Radio waves leaving the tip of the antenna.
void DrawWaves(QPainter& painter, const QPointF& tip) {
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = 12.0 * i;
        painter.setPen(QPen(QColor(255, 255, 255, 150 - 35 * i), 3, Qt::SolidLine, Qt::RoundCap));
        const QRectF arc(tip.x() - r, tip.y() - r, 2 * r, 2 * r);
        painter.drawArc(arc, -35 * 16, 70 * 16);
        painter.drawArc(arc, 145 * 16, 70 * 16);
    }
}

void DrawText(QPainter& painter, const QFont& font, const QColor& colour, int top, const QString& text) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(36, top, 290, 80), Qt::AlignLeft | Qt::AlignTop, text);
}

QFont Font(int pixels, bool bold) {
    QFont font(kFontFamily);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void DrawTitles(QPainter& painter, bool chinese) {
    DrawText(painter, Font(54, true), kPaper, 64, "MOX-5HK");
    painter.fillRect(QRectF(38, 136, 56, 4), kOrange);
    DrawText(painter, Font(chinese ? 28 : 24, false), kIce, 150,
             chinese ? QString::fromUtf8("编程软件") : QString("Programming Software"));
    DrawText(painter, Font(14, false), QColor(170, 200, 230), 192,
             chinese ? QString::fromUtf8("UHF 手持对讲机  RB516 / RB516G")
                     : QString("UHF hand-held radios  RB516 / RB516G"));
    DrawText(painter, Font(12, false), QColor(150, 180, 215), 262,
             chinese ? QString::fromUtf8("版本 2.00") : QString("Version 2.00"));
}

}  // namespace

QImage DrawSplashPicture(bool chinese, int scale) {
    QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawBackdrop(painter);
    const QRectF radio(338, 36, 100, 240);
    DrawWaves(painter, QPointF(radio.left() + 21, radio.top() + 6));
    DrawHandheldRadio(painter, radio);
    DrawTitles(painter, chinese);
    return image;
}

}  // namespace mox::art
