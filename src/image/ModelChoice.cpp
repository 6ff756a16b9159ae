#include "image/ModelChoice.h"

#include <algorithm>

#include "image/Models.h"
#include "services/Texts.h"

namespace mox {

namespace {

void AddMissing(std::vector<std::string>& names, const std::string& name) {
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
}

bool IsModelChoiceChanged(const AppState& state, std::string_view displayName, std::string_view bandName) {
    return displayName != ModelDisplayName(state.Model.ModelCode) || bandName != state.Model.BandName;
}

}  // namespace

std::vector<std::string> ModelChoiceNames(const ModelState& current) {
    std::vector<std::string> names = {ModelDisplayName("RB516"), ModelDisplayName("RB516G")};
    AddMissing(names, ModelDisplayName(current.ModelCode));
    return names;
}

std::vector<std::string> BandChoiceNames(const ModelState& current, std::string_view displayName) {
    std::vector<std::string> names = BandNamesOfModel(ModelCodeOf(displayName));
    if (displayName == ModelDisplayName(current.ModelCode))
        AddMissing(names, current.BandName);
    return names;
}

bool ApplyModelChoice(AppState& state, std::string_view displayName, std::string_view bandName) {
    if (!IsModelChoiceChanged(state, displayName, bandName))
        return false;
    Prompt warning;
    warning.TextNumber = 9016;
    warning.Text = GetLanguageText(state, 9016);
    warning.Title = GetLanguageText(state, 9019);
    warning.Buttons = MsgButtons::OkCancel;
    warning.Icon = MsgIcon::Warning;
    if (state.Prompts->Ask(warning) != MsgAnswer::Ok)
        return false;
    state.Model.ModelCode = ModelCodeOf(displayName);
    SetBandLimits(state.Model, bandName);
    SyncModelRecord(state.Model, state.Data.Model);
    state.Model.BandCode = static_cast<std::uint8_t>(state.Data.Model.BandCode);
    state.Info.InfoBandCode = state.Data.Model.BandCode;
    return true;
}

}  // namespace mox
