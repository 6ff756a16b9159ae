#pragma once

#include <QObject>

class QLineEdit;

namespace mox {

// The key rules of a code box: each typed character goes through `key` (a core rule that returns the
// character to insert, or 0 to drop it), and copy, paste and cut by keyboard are swallowed. Reports the
// box losing the focus, and selects its whole text when it gets the focus.
class CodeBoxKeys : public QObject {
    Q_OBJECT
public:
    static CodeBoxKeys* Install(QLineEdit* box, int (*key)(int));

signals:
    void FocusLost();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CodeBoxKeys(QLineEdit* box, int (*key)(int));
    bool FilterKey(QKeyEvent* event);

    QLineEdit* m_box;
    int (*m_key)(int);
};

}  // namespace mox
