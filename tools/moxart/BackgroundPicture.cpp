#include "BackgroundPicture.h"

#include <QFont>
#include <QPainter>

#include "ArtPalette.h"

namespace mox::art {

namespace {

constexpr int kPeriod = 256;
constexpr int kDotStep = 16;

void DrawDots(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(214, 223, 234));
    // One dot row and column beyond each edge, so the dots cut by an edge are whole once tiled.
    for (int row = -1; row <= kPeriod / kDotStep; ++row) {
        const int shift = (row + kDotStep) % 2 == 0 ? 0 : kDotStep / 2;
        for (int x = shift - kDotStep; x <= kPeriod; x += kDotStep)
            painter.drawEllipse(QPointF(x + 0.5, row * kDotStep + 0.5), 1.3, 1.3);
    }
}

// A word drawn once per neighbouring tile, so the part that leaves one edge comes back at the other.
void DrawWrappedWord(QPainter& painter, const QString& word, int pixels, const QPointF& centre) {
    QFont font(kFontFamily);
    font.setPixelSize(pixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(kBlue.red(), kBlue.green(), kBlue.blue(), 22));
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            painter.save();
            painter.translate(centre + QPointF(dx * kPeriod, dy * kPeriod));
            painter.rotate(-24);
            painter.drawText(QRectF(-200, -40, 400, 80), Qt::AlignCenter, word);
            painter.restore();
        }
    }
}

QImage DrawPeriod(bool chinese, int scale) {
    QImage tile(kPeriod * scale, kPeriod * scale, QImage::Format_RGB32);
    tile.fill(QColor(238, 242, 247));
    QPainter painter(&tile);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawDots(painter);
    DrawWrappedWord(painter, "MOX-5HK", 30, QPointF(128, 100));
    DrawWrappedWord(painter, chinese ? QString::fromUtf8("编程软件") : QString("CPS"), 20, QPointF(0, 228));
    return tile;
}

}  // namespace

QImage DrawBackgroundTile(bool chinese, int scale) {
    const QImage period = DrawPeriod(chinese, scale);
    const int step = kPeriod * scale;
    QImage image(step + 2, step + 2, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy)
            painter.drawImage(1 + dx * step, 1 + dy * step, period);
    }
    return image;
}

}  // namespace mox::art
