#include "widgets/FrequencyKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "codecs/TypedFrequency.h"

namespace mox {

FrequencyKeyFilter::FrequencyKeyFilter(QObject* parent, std::function<bool()> signs)
    : QObject(parent), m_signs(std::move(signs)) {}

void FrequencyKeyFilter::Install(QLineEdit* box, std::function<bool()> signs) {
    box->installEventFilter(new FrequencyKeyFilter(box, std::move(signs)));
    box->setContextMenuPolicy(Qt::NoContextMenu);
}

// The box claims copy, paste and cut for itself before they could reach a menu shortcut, so they
// arrive here as keys and end here.
bool FrequencyKeyFilter::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.isEmpty())
        return false;
    return !KeepsTypedCharacter(text.toUcs4().value(0), m_signs());
}

}  // namespace mox
