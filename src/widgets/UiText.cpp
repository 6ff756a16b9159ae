#include "widgets/UiText.h"

#include "services/Texts.h"

namespace mox {

QString UiText(const Messages& messages, int number) {
    return QString::fromStdString(GetLanguageText(messages, number));
}

}  // namespace mox
