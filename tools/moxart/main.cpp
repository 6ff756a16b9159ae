// moxart: draws the delivered pictures. Each argument is the path of a picture to write; its file name
// says which picture: StartE.jpg, StartC.jpg (splash pictures), BK_1.jpg, BK_2.jpg (main window
// background) or <key>.png (an icon by its key, see Icons.h).

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "BackgroundPicture.h"
#include "Icons.h"
#include "SplashPicture.h"

namespace mox::art {

namespace {

constexpr int kIconSize = 32;
constexpr int kAppIconSize = 64;
constexpr int kJpegQuality = 92;

QImage DrawIcon(const QString& key) {
    const IconPainter paint = FindIconPainter(key);
    if (paint == nullptr)
        return {};
    const int size = key == "App" ? kAppIconSize : kIconSize;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<qreal>(size) / kIconSize, static_cast<qreal>(size) / kIconSize);
    paint(painter);
    return image;
}

QImage DrawPicture(const QString& fileName) {
    if (fileName == "StartE.jpg" || fileName == "StartC.jpg")
        return DrawSplashPicture(fileName == "StartC.jpg");
    if (fileName == "BK_1.jpg" || fileName == "BK_2.jpg")
        return DrawBackgroundTile(fileName == "BK_2.jpg");
    if (fileName.endsWith(".png"))
        return DrawIcon(fileName.chopped(4));
    return {};
}

bool WritePicture(const QString& path) {
    const QFileInfo target(path);
    const QImage image = DrawPicture(target.fileName());
    if (image.isNull()) {
        std::fprintf(stderr, "moxart: no picture is known by the name %s\n", qPrintable(target.fileName()));
        return false;
    }
    const bool jpeg = target.suffix() == "jpg";
    if (!QDir().mkpath(target.absolutePath()) ||
        !image.save(path, jpeg ? "JPG" : "PNG", jpeg ? kJpegQuality : -1)) {
        std::fprintf(stderr, "moxart: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

}  // namespace mox::art

int main(int argc, char** argv) {
    // The pictures are drawn without a screen, also on a build machine without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: moxart <picture file>...\n");
        return 2;
    }
    bool allWritten = true;
    for (int i = 1; i < argc; ++i)
        allWritten = mox::art::WritePicture(QString::fromLocal8Bit(argv[i])) && allWritten;
    return allWritten ? 0 : 1;
}
