#pragma once

#include <QObject>

class QWidget;

namespace mox {

// Makes Enter in a control move the focus on as Tab does; the key goes no further, so it never
// presses a dialog's default button.
class EnterAsTab : public QObject {
    Q_OBJECT
public:
    static void Install(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace mox
