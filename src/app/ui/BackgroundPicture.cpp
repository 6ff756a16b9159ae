#include "app/ui/BackgroundPicture.h"

#include <QPainter>

#include "app/ui/SharpPictures.h"

namespace mox {

QImage TileBackground(const QImage& picture, QSize logicalSize) {
    const int w = picture.width() - 2;
    const int h = picture.height() - 2;
    const QSize size = logicalSize * picture.devicePixelRatio();
    if (w <= 0 || h <= 0 || size.isEmpty())
        return {};
    // Tiled pixel for pixel: drawn as it is, a picture of ratio 2 would shrink to half its pixels.
    QImage pixels = picture;
    pixels.setDevicePixelRatio(1.0);
    QImage work(size, QImage::Format_RGB32);
    work.fill(Qt::white);
    QPainter painter(&work);
    for (int x = 0; x <= size.width(); x += w)
        painter.drawImage(QPoint(x, 0), pixels, QRect(1, 0, w, h + 2));
    const QImage band = work.copy(0, 1, size.width(), h);
    for (int y = h; y <= size.height(); y += h)
        painter.drawImage(QPoint(0, y), band);
    painter.end();
    work.setDevicePixelRatio(picture.devicePixelRatio());
    return work;
}

QImage LoadBackgroundPicture(const std::filesystem::path& programFolder, int language,
                             qreal devicePixelRatio) {
    return LoadSharpPicture(programFolder / "PIC" / ("BK_" + std::to_string(language) + ".jpg"),
                            devicePixelRatio);
}

}  // namespace mox
