#include "image/ModelChoice.h"

#include "app/Texts.h"
#include "image/Models.h"

namespace mox {

namespace {

bool IsModelChoiceChanged(const AppState& state, std::string_view displayName, std::string_view bandName) {
    return displayName != ModelDisplayName(state.Model.ModelCode) || bandName != state.Model.BandName;
}

}  // namespace

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
