#include "widgets/EditorButtons.h"

#include <QPushButton>

#include "widgets/UiText.h"

namespace mox {

EditorButtons MakeEditorButtons(const Messages& messages, QWidget* window) {
    auto* help = new QPushButton(UiText(messages, 9025), window);
    help->setObjectName("CommandHelp");
    help->hide();
    auto* close = new QPushButton(UiText(messages, 9023), window);
    close->setObjectName("CommandClose");
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    return {close, help};
}

}  // namespace mox
