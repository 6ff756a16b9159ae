#include "widgets/ButtonRow.h"

#include <QHBoxLayout>
#include <QWidget>

namespace mox {

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons)
        row->addWidget(button);
    return row;
}

}  // namespace mox
