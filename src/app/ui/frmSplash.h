#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/AppState.h"

class QLabel;

namespace mox {

// The start-up picture. After 2000 ms, at a click on it, or when it is closed in any other way (the
// window manager's close), it hands over to the main window and closes.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash(const AppState& state, std::function<void()> createMainWindow);

    QLabel* Image1;
    QTimer Timer1;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> m_createMainWindow;
    bool m_handedOver = false;
};

}  // namespace mox
