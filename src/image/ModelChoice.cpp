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

bool IsModelChoiceChanged(const ModelState& model, std::string_view displayName, std::string_view bandName) {
    return displayName != ModelDisplayName(model.ModelCode) || bandName != model.BandName;
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

bool ApplyModelChoice(const Messages& messages, RadioRecords& radio, std::string_view displayName,
                      std::string_view bandName) {
    if (!IsModelChoiceChanged(radio.Model, displayName, bandName))
        return false;
    Prompt warning;
    warning.TextNumber = 9016;
    warning.Text = GetLanguageText(messages, 9016);
    warning.Title = GetLanguageText(messages, 9019);
    warning.Buttons = MsgButtons::OkCancel;
    warning.Icon = MsgIcon::Warning;
    if (messages.Prompts->Ask(warning) != MsgAnswer::Ok)
        return false;
    radio.Model.ModelCode = ModelCodeOf(displayName);
    SetBandLimits(radio.Model, bandName);
    SyncModelRecord(radio.Model, radio.Data.Model);
    radio.Model.BandCode = static_cast<std::uint8_t>(radio.Data.Model.BandCode);
    radio.Info.InfoBandCode = radio.Data.Model.BandCode;
    return true;
}

}  // namespace mox
