#include "link/CompatibilityCheck.h"

#include "app/Texts.h"
#include "app/Versions.h"
#include "image/Models.h"

namespace mox {

namespace {

CompatibilityResult ModelDiffers(AppState& state) {
    const std::string text = GetLanguageText(state, 9012) + "\r\nPC is " +
                             ModelDisplayName(state.Model.ModelCode) + "\r\nRadio is " +
                             ModelDisplayName(state.Transfer.Identity.ModelCode);
    ShowText(state, text, MsgButtons::Ok, MsgIcon::None, 9012);
    return CompatibilityResult::Failed;
}

CompatibilityResult BandDiffers(AppState& state) {
    if (IsSameBandFamily(state.Model.BandCode, state.Transfer.Identity.BandCode)) {
        const MsgAnswer answer = ShowMessage(state, 9014, MsgButtons::OkCancel, MsgIcon::Warning);
        return answer == MsgAnswer::Ok ? CompatibilityResult::Passed : CompatibilityResult::Failed;
    }
    ShowMessage(state, 9030, MsgButtons::Ok, MsgIcon::Warning);
    return CompatibilityResult::Failed;
}

CompatibilityResult VersionDiffers(AppState& state) {
    const std::string& version = state.Transfer.Identity.Version;
    const std::string question = VersionQuestion(state, kProgramVersion, version, 0);
    const MsgAnswer answer = ShowText(state, question, MsgButtons::YesNo, MsgIcon::None, 9062);
    return answer == MsgAnswer::Yes ? CompatibilityResult::SwitchVersion : CompatibilityResult::Failed;
}

}  // namespace

CompatibilityResult CheckCompatibility(AppState& state, TransferKind kind) {
    const RadioIdentity& radio = state.Transfer.Identity;
    const std::string& model = state.Model.ModelCode;
    const bool modelOk = IsModelCompatible(model, radio.ModelCode, kind, state.FactoryTestMode);
    const bool bandOk = IsBandCompatible(state.Model.BandCode, radio.BandCode, kind);
    const bool versionOk = IsHandledVersion(state, kProgramVersion, radio.Version);
    if (modelOk && bandOk && versionOk)
        return CompatibilityResult::Passed;
    if (!IsModelCompatible(model, radio.ModelCode, TransferKind::WriteImage, state.FactoryTestMode))
        return ModelDiffers(state);
    return versionOk ? BandDiffers(state) : VersionDiffers(state);
}

}  // namespace mox
