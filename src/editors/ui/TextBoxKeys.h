#pragma once

#include <QObject>

class QLineEdit;

namespace mox {

// The key rules of an editor's text box: each typed character goes through `key` (a core rule that
// returns the character to insert, or 0 to drop it), and copy, paste and cut by keyboard are swallowed.
// Reports the box losing the focus; on request the box selects its whole text when it gets the focus.
class TextBoxKeys : public QObject {
    Q_OBJECT
public:
    enum class Focus { KeepCursor, SelectAll };
    static TextBoxKeys* Install(QLineEdit* box, int (*key)(int), Focus focus = Focus::KeepCursor);

signals:
    void FocusLost();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TextBoxKeys(QLineEdit* box, int (*key)(int), Focus focus);
    bool FilterKey(QKeyEvent* event);

    QLineEdit* m_box;
    int (*m_key)(int);
    Focus m_focus;
};

}  // namespace mox
