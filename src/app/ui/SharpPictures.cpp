#include "app/ui/SharpPictures.h"

#include <QString>

namespace mox {

std::filesystem::path DoubleSizeFile(const std::filesystem::path& file) {
    std::filesystem::path twice = file;
    twice.replace_filename(file.stem().string() + "@2x" + file.extension().string());
    return twice;
}

QImage LoadSharpPicture(const std::filesystem::path& file, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        QImage twice(QString::fromStdString(DoubleSizeFile(file).string()));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2.0);
            return twice;
        }
    }
    return QImage(QString::fromStdString(file.string()));
}

}  // namespace mox
