#include "IconSvg.h"

#include <QPainter>
#include <QSvgGenerator>

namespace mox::art {

bool WriteIconSvg(const QString& path, IconPainter paint, int canvas) {
    if (paint == nullptr)
        return false;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(canvas, canvas));
    svg.setViewBox(QRect(0, 0, canvas, canvas));
    svg.setTitle("MOX-5HK CPS");
    svg.setDescription("Programming software for the MOX-5HK hand-held radios");
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return painter.end();
}

}  // namespace mox::art
