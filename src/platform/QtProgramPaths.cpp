#include "platform/QtProgramPaths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace mox {

namespace {

QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

bool QtFolderFacts::IsWritableFolder(const std::filesystem::path& folder) const {
    const QFileInfo info(ToQString(folder));
    return info.isDir() && info.isWritable();
}

std::filesystem::path QtFolderFacts::UserConfigFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
}

ProgramPaths RunningProgramPaths() {
    const ProgramPaths paths =
        FindProgramPaths(QCoreApplication::applicationDirPath().toStdString(), QtFolderFacts());
    SeedUserSettings(paths);
    return paths;
}

std::filesystem::path UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

}  // namespace mox
