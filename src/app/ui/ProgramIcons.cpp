#include "app/ui/ProgramIcons.h"

#include <QPixmap>

namespace mox {

QIcon ProgramIcon(const std::filesystem::path& programFolder, const char* key, const QIcon& fallback) {
    const auto file = programFolder / "PIC" / "icons" / (std::string(key) + ".png");
    const QPixmap picture(QString::fromStdString(file.string()));
    return picture.isNull() ? fallback : QIcon(picture);
}

}  // namespace mox
