#include "app/MainWindowTexts.h"

#include "image/Models.h"
#include "services/Texts.h"

namespace mox {

std::string FileNamePart(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string MainCaption(const AppState& state) {
    return GetLanguageText(state, 12000) + "[" + ModelDisplayName(state.Model.ModelCode) + ":" +
           state.Model.BandName + "][" + GetLanguageText(state, 12009) + ":" +
           FileNamePart(state.Document.CurrentPath) + "]";
}

std::string StatusModelText(const AppState& state) {
    return ModelDisplayName(state.Model.ModelCode) + "[" + state.Model.BandName + "]";
}

std::string StatusPortText(const AppState& state) {
    return GetLanguageText(state, 12008) + std::to_string(state.Link.PortNumber);
}

}  // namespace mox
