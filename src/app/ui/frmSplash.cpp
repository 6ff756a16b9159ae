#include "app/ui/frmSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include "app/ui/SharpPictures.h"
#include "widgets/UiText.h"

namespace mox {

frmSplash::frmSplash(const AppState& state, std::function<void()> createMainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_createMainWindow(std::move(createMainWindow)) {
    setObjectName("frmSplash");
    setAttribute(Qt::WA_DeleteOnClose);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    const char* picture = state.Language.CurrentLanguage == kChinese ? "StartC.jpg" : "StartE.jpg";
    const QPixmap pixmap =
        QPixmap::fromImage(LoadSharpPicture(state.Paths.ProgramFolder / picture, devicePixelRatioF()));
    if (pixmap.isNull()) {
        // Without the picture the splash still shows the program, for the same two seconds.
        Image1->setText(UiText(state, 12000));
        Image1->setAlignment(Qt::AlignCenter);
        Image1->setMinimumSize(360, 200);
    } else {
        Image1->setPixmap(pixmap);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &QWidget::close);
    Timer1.start(2000);
}

void frmSplash::mousePressEvent(QMouseEvent*) {
    close();
}

// Every way out of the splash leads to the main window: a splash closed without it would leave the
// program running with no window at all.
void frmSplash::closeEvent(QCloseEvent* event) {
    if (!m_handedOver) {
        m_handedOver = true;
        Timer1.stop();
        m_createMainWindow();
    }
    QWidget::closeEvent(event);
}

}  // namespace mox
