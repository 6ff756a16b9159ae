#include "app/ui/UiText.h"

#include "app/Texts.h"

namespace mox {

QString UiText(const AppState& state, int number) {
    return QString::fromStdString(GetLanguageText(state, number));
}

}  // namespace mox
