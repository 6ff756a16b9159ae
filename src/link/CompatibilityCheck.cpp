#include "link/CompatibilityCheck.h"

#include "image/Models.h"
#include "link/FilledText.h"
#include "services/NumberText.h"
#include "services/Texts.h"
#include "services/Versions.h"

namespace mox {

namespace {

CompatibilityResult ModelDiffers(AppState& state) {
    const std::string text = GetLanguageText(state, 9012) + "\r\nPC is " +
                             ModelDisplayName(state.Model.ModelCode) + "\r\nRadio is " +
                             ModelDisplayName(state.Transfer.Identity.ModelCode);
    ShowText(state, text, MsgButtons::Ok, MsgIcon::None, 9012);
    return CompatibilityResult::Failed;
}

// A band code outside the table has no band name and no limits: nothing read from such a radio could
// be edited within its band, and a write would give it a band nobody chose.
CompatibilityResult BandUnknown(AppState& state) {
    const std::string code = WholeNumberText(state.Transfer.Identity.BandCode);
    ShowText(state, FilledText(GetLanguageText(state, 30101), code), MsgButtons::Ok, MsgIcon::Warning, 30101);
    return CompatibilityResult::Failed;
}

// The write would give the radio the band of the data: the user sees both before agreeing.
CompatibilityResult BandDiffers(AppState& state) {
    if (IsSameBandFamily(state.Model.BandCode, state.Transfer.Identity.BandCode)) {
        const std::string question =
            GetLanguageText(state, 9014) + "\r\n" +
            FilledText(GetLanguageText(state, 30102), state.Model.BandName) + "\r\n" +
            FilledText(GetLanguageText(state, 30103), BandName(state.Transfer.Identity.BandCode));
        const MsgAnswer answer = ShowText(state, question, MsgButtons::OkCancel, MsgIcon::Warning, 9014);
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
    if (modelOk && BandName(radio.BandCode).empty())
        return BandUnknown(state);
    if (modelOk && bandOk && versionOk)
        return CompatibilityResult::Passed;
    if (!IsModelCompatible(model, radio.ModelCode, TransferKind::WriteImage, state.FactoryTestMode))
        return ModelDiffers(state);
    return versionOk ? BandDiffers(state) : VersionDiffers(state);
}

}  // namespace mox
