#include "app/ui/BackgroundPicture.h"

#include <QPainter>

namespace mox {

QImage TileBackground(const QImage& picture, QSize size) {
    const int w = picture.width() - 2;
    const int h = picture.height() - 2;
    if (w <= 0 || h <= 0 || size.isEmpty())
        return {};
    QImage work(size, QImage::Format_RGB32);
    work.fill(Qt::white);
    QPainter painter(&work);
    for (int x = 0; x <= size.width(); x += w)
        painter.drawImage(QPoint(x, 0), picture, QRect(1, 0, w, h + 2));
    const QImage band = work.copy(0, 1, size.width(), h);
    for (int y = h; y <= size.height(); y += h)
        painter.drawImage(QPoint(0, y), band);
    painter.end();
    return work;
}

QImage LoadBackgroundPicture(const std::filesystem::path& programFolder, int language) {
    const auto file = programFolder / "PIC" / ("BK_" + std::to_string(language) + ".jpg");
    return QImage(QString::fromStdString(file.string()));
}

}  // namespace mox
