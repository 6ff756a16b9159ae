#include "app/ui/ProgramIcons.h"

#include <QPixmap>

#include "app/ui/SharpPictures.h"

namespace mox {

namespace {

QPixmap PixmapOf(const std::filesystem::path& file) {
    return QPixmap(QString::fromStdString(file.string()));
}

}  // namespace

QIcon ProgramIcon(const std::filesystem::path& programFolder, const char* key, const QIcon& fallback) {
    const auto file = programFolder / "PIC" / "icons" / (std::string(key) + ".png");
    const QPixmap picture = PixmapOf(file);
    if (picture.isNull())
        return fallback;
    // Both sizes: the icon then draws from the larger one where the screen scales.
    QIcon icon(picture);
    const QPixmap twice = PixmapOf(DoubleSizeFile(file));
    if (!twice.isNull())
        icon.addPixmap(twice);
    return icon;
}

}  // namespace mox
