#include "editors/ui/ListControls.h"

#include <QComboBox>
#include <QLabel>

#include "widgets/EnterAsTab.h"

namespace mox {

QComboBox* MakeList(const QString& name, const std::vector<std::string>& entries, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const std::string& entry : entries)
        list->addItem(QString::fromStdString(entry));
    EnterAsTab::Install(list);
    return list;
}

QLabel* MakeListLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void SelectQuietly(QComboBox* list, int index) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index);
}

void ShowNumbers(QComboBox* list, const std::vector<int>& numbers, int shown) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (int number : numbers)
        list->addItem(QString::number(number));
    list->setCurrentIndex(list->findText(QString::number(shown)));
}

int ListNumber(const QComboBox* list, int index) {
    return index < 0 ? 0 : list->itemText(index).toInt();
}

}  // namespace mox
