// moxart: draws the delivered pictures. Each argument is the path of a picture to write; its file name
// says which picture:
//   StartE.jpg, StartC.jpg   splash pictures
//   BK_1.jpg, BK_2.jpg       main window background
//   <key>.png                an icon by its key (see Icons.h), 32 pixels (the program icon App: 64)
//   App-<N>.png              the program icon at N by N pixels, for the desktop's icon theme
//   App.svg                  the program icon as a scalable drawing
// A name ending in "@2x" before the extension draws the same picture twice as large, for screens
// that scale by 200 %.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <cstdio>

#include "BackgroundPicture.h"
#include "IconSvg.h"
#include "Icons.h"
#include "SplashPicture.h"

namespace mox::art {

namespace {

constexpr int kIconSize = 32;
constexpr int kAppIconSize = 64;
constexpr int kJpegQuality = 92;

QImage DrawIcon(const QString& key, int size) {
    const IconPainter paint = FindIconPainter(key);
    if (paint == nullptr || size <= 0)
        return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<qreal>(size) / kIconSize, static_cast<qreal>(size) / kIconSize);
    paint(painter);
    return image;
}

// "App-128" is the program icon at 128 pixels; a plain key is drawn at its usual size.
QImage DrawNamedIcon(const QString& name, int scale) {
    static const QRegularExpression sized("^App-(\\d+)$");
    const QRegularExpressionMatch match = sized.match(name);
    if (match.hasMatch())
        return DrawIcon("App", match.captured(1).toInt() * scale);
    return DrawIcon(name, (name == "App" ? kAppIconSize : kIconSize) * scale);
}

QImage DrawPicture(QString name, const QString& suffix) {
    int scale = 1;
    if (name.endsWith("@2x")) {
        name.chop(3);
        scale = 2;
    }
    if (suffix == "jpg" && (name == "StartE" || name == "StartC"))
        return DrawSplashPicture(name == "StartC", scale);
    if (suffix == "jpg" && (name == "BK_1" || name == "BK_2"))
        return DrawBackgroundTile(name == "BK_2", scale);
    if (suffix == "png")
        return DrawNamedIcon(name, scale);
    return {};
}

bool WriteRaster(const QFileInfo& target) {
    const QImage image = DrawPicture(target.completeBaseName(), target.suffix());
    if (image.isNull()) {
        std::fprintf(stderr, "moxart: no picture is known by the name %s\n", qPrintable(target.fileName()));
        return false;
    }
    const bool jpeg = target.suffix() == "jpg";
    if (!image.save(target.filePath(), jpeg ? "JPG" : "PNG", jpeg ? kJpegQuality : -1)) {
        std::fprintf(stderr, "moxart: cannot write %s\n", qPrintable(target.filePath()));
        return false;
    }
    return true;
}

bool WritePicture(const QString& path) {
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath())) {
        std::fprintf(stderr, "moxart: cannot create the folder of %s\n", qPrintable(path));
        return false;
    }
    if (target.fileName() != "App.svg")
        return WriteRaster(target);
    if (!WriteIconSvg(path, FindIconPainter("App"), kIconSize)) {
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
