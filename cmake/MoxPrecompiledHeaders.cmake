# Precompiled headers: the standard library, Qt and the test framework are parsed once per build folder
# and group of targets instead of once per source file (they are most of the time a source file takes).
# One target of each group compiles the group's headers and the others take them with
# `target_precompile_headers(<target> REUSE_FROM <owner>)`. The targets of a group must be compiled with
# the same flags and definitions as their owner, which linking the same libraries gives; otherwise GCC
# refuses the header with -Winvalid-pch, an error under MOX_WERROR.
#
# Only headers from outside the project belong here: a change to one of ours would rebuild every file
# of the group.

# The plain C++ targets: the core, the simulator, the build tools.
set(MOX_PCH_STD
    <algorithm> <array> <charconv> <cstddef> <cstdint> <cstring> <deque> <filesystem> <fstream>
    <functional> <map> <memory> <optional> <ostream> <set> <span> <sstream> <string> <string_view>
    <system_error> <utility> <vector>)

# Qt Core, Gui and SerialPort: the platform adapters and the command-line tool.
set(MOX_PCH_QT ${MOX_PCH_STD}
    <QByteArray> <QCoreApplication> <QElapsedTimer> <QObject> <QString> <QStringList> <QTimer>)

# Qt Widgets: the windows and the desktop program.
set(MOX_PCH_WIDGETS ${MOX_PCH_QT}
    <QAction> <QApplication> <QComboBox> <QDialog> <QFormLayout> <QGroupBox> <QHBoxLayout> <QLabel>
    <QLineEdit> <QMainWindow> <QMdiArea> <QMdiSubWindow> <QMenu> <QPlainTextEdit> <QPushButton>
    <QStatusBar> <QToolBar> <QVBoxLayout> <QWidget>)

# The tests of the core and the simulator.
set(MOX_PCH_TEST ${MOX_PCH_STD} <gtest/gtest.h> <gmock/gmock.h>)

# The tests that need Qt.
set(MOX_PCH_QT_TEST ${MOX_PCH_WIDGETS} <QTest> <gtest/gtest.h> <gmock/gmock.h>)
