#include "widgets/TitleBarWidth.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace mox {

namespace {

// The window icon and up to three buttons share the title bar with the caption, each about as wide
// as the bar is high; one more for the margins.
constexpr int kTitleBarSquares = 5;
// Room between the caption's letters and the bar's other parts.
constexpr int kCaptionPadding = 8;

}  // namespace

// A window manager often draws the caption in a bolder font than the program's own: measured in bold,
// the caption fits either way.
int TitleBarWidth(const QString& title) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int barHeight = std::max(QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight),
                                   metrics.height() + kCaptionPadding);
    const int width = metrics.horizontalAdvance(title) + kTitleBarSquares * barHeight;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? width : std::min(width, screen->availableGeometry().width());
}

}  // namespace mox
