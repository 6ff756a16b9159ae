#pragma once

#include <QObject>
#include <functional>

class QLineEdit;

namespace mox {

// Keeps out of a frequency box every character it does not take: digits and "." always, "+" and "-"
// while `signs` says a signed shift is typed; never copy, paste or cut by key.
class FrequencyKeyFilter : public QObject {
    Q_OBJECT
public:
    static void Install(QLineEdit* box, std::function<bool()> signs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrequencyKeyFilter(QObject* parent, std::function<bool()> signs);
    std::function<bool()> m_signs;
};

}  // namespace mox
