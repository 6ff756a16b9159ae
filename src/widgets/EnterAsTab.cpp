#include "widgets/EnterAsTab.h"

#include <QKeyEvent>
#include <QWidget>

namespace mox {

void EnterAsTab::Install(QWidget* control) {
    control->installEventFilter(new EnterAsTab(control));
}

bool EnterAsTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (event->type() == QEvent::KeyPress) {
        auto* control = static_cast<QWidget*>(watched);
        if (QWidget* next = control->nextInFocusChain(); next != nullptr) {
            QWidget* target = next;
            while (target != control &&
                   !(target->isEnabled() && target->isVisible() && (target->focusPolicy() & Qt::TabFocus)))
                target = target->nextInFocusChain();
            target->setFocus(Qt::TabFocusReason);
        }
    }
    event->accept();
    return true;
}

}  // namespace mox
