#include "app/ui/QtProgramStarter.h"

#include <QProcess>
#include <QString>
#include <cstdlib>

namespace mox {

bool QtProgramStarter::StartAndExit(const std::filesystem::path& executable) {
    m_port.CloseNow();
    if (!QProcess::startDetached(QString::fromStdString(executable.string()), {}))
        return false;
    std::_Exit(0);
}

}  // namespace mox
