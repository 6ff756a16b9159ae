#include "widgets/UiText.h"

#include "services/Texts.h"

namespace mox {

QString UiText(const AppState& state, int number) {
    return QString::fromStdString(GetLanguageText(state, number));
}

}  // namespace mox
