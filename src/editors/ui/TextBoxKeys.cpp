#include "editors/ui/TextBoxKeys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace mox {

TextBoxKeys* TextBoxKeys::Install(QLineEdit* box, int (*key)(int), Focus focus) {
    auto* keys = new TextBoxKeys(box, key, focus);
    box->installEventFilter(keys);
    return keys;
}

TextBoxKeys::TextBoxKeys(QLineEdit* box, int (*key)(int), Focus focus)
    : QObject(box), m_box(box), m_key(key), m_focus(focus) {}

bool TextBoxKeys::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return FilterKey(static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            // After the click that brought the focus has placed the cursor.
            if (m_focus == Focus::SelectAll && !m_box->text().isEmpty())
                QTimer::singleShot(0, m_box, &QLineEdit::selectAll);
            return false;
        case QEvent::FocusOut:
            emit FocusLost();
            return false;
        default:
            return false;
    }
}

bool TextBoxKeys::FilterKey(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste) ||
        event->matches(QKeySequence::Cut))
        return true;
    const QString text = event->text();
    if (text.size() != 1)
        return false;
    const int typed = text.at(0).unicode();
    const int kept = m_key(typed);
    if (kept == typed)
        return false;
    if (kept != 0)
        m_box->insert(QString(QChar(kept)));
    return true;
}

}  // namespace mox
