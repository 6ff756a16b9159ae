#include "link/CompatibilityCheck.h"

#include "image/Models.h"
#include "services/FilledText.h"
#include "services/FixedText.h"
#include "services/NumberText.h"
#include "services/Texts.h"
#include "services/Versions.h"

namespace mox {

namespace {

CompatibilityResult ModelDiffers(const Messages& messages, const ModelState& model,
                                 const RadioIdentity& radio) {
    const std::string text = GetLanguageText(messages, 9012) + "\r\nPC is " +
                             ModelDisplayName(model.ModelCode) + "\r\nRadio is " +
                             ModelDisplayName(radio.ModelCode);
    ShowText(messages, text, MsgButtons::Ok, MsgIcon::None, 9012);
    return CompatibilityResult::Failed;
}

// A band code outside the table has no band name and no limits: nothing read from such a radio could
// be edited within its band, and a write would give it a band nobody chose.
CompatibilityResult BandUnknown(const Messages& messages, const RadioIdentity& radio) {
    const std::string code = WholeNumberText(radio.BandCode);
    ShowText(messages, FilledText(GetLanguageText(messages, 30101), code), MsgButtons::Ok, MsgIcon::Warning,
             30101);
    return CompatibilityResult::Failed;
}

// The write would give the radio the band of the data: the user sees both before agreeing.
CompatibilityResult BandDiffers(const Messages& messages, const ModelState& model,
                                const RadioIdentity& radio) {
    if (IsSameBandFamily(model.BandCode, radio.BandCode)) {
        const std::string question = GetLanguageText(messages, 9014) + "\r\n" +
                                     FilledText(GetLanguageText(messages, 30102), model.BandName) + "\r\n" +
                                     FilledText(GetLanguageText(messages, 30103), BandName(radio.BandCode));
        const MsgAnswer answer = ShowText(messages, question, MsgButtons::OkCancel, MsgIcon::Warning, 9014);
        return answer == MsgAnswer::Ok ? CompatibilityResult::Passed : CompatibilityResult::Failed;
    }
    ShowMessage(messages, 9030, MsgButtons::Ok, MsgIcon::Warning);
    return CompatibilityResult::Failed;
}

CompatibilityResult VersionDiffers(const Messages& messages, const RadioIdentity& radio) {
    const std::string question = VersionQuestion(messages, kProgramVersion, radio.Version, 0);
    const MsgAnswer answer = ShowText(messages, question, MsgButtons::YesNo, MsgIcon::None, 9062);
    return answer == MsgAnswer::Yes ? CompatibilityResult::SwitchVersion : CompatibilityResult::Failed;
}

}  // namespace

bool IsModelCompatible(std::string_view programModel, std::string_view radioModel, TransferKind transfer,
                       bool factoryTestMode) {
    const std::string program = CutFixedText(programModel);
    const std::string radio = CutFixedText(radioModel);
    if (program == radio)
        return true;
    if (transfer == TransferKind::WriteImage)
        return factoryTestMode && IsKnownModel(program) && IsKnownModel(radio);
    return IsKnownModel(radio);
}

bool IsBandCompatible(int programBand, int radioBand, TransferKind transfer) {
    return transfer != TransferKind::WriteImage || programBand == radioBand;
}

CompatibilityResult CheckCompatibility(const ProgramServices& program, const ModelState& model,
                                       const RadioIdentity& radio, bool factoryTestMode, TransferKind kind) {
    const std::string& code = model.ModelCode;
    const bool modelOk = IsModelCompatible(code, radio.ModelCode, kind, factoryTestMode);
    const bool bandOk = IsBandCompatible(model.BandCode, radio.BandCode, kind);
    const bool versionOk = IsHandledVersion(program.Versions, kProgramVersion, radio.Version);
    if (modelOk && BandName(radio.BandCode).empty())
        return BandUnknown(program, radio);
    if (modelOk && bandOk && versionOk)
        return CompatibilityResult::Passed;
    if (!IsModelCompatible(code, radio.ModelCode, TransferKind::WriteImage, factoryTestMode))
        return ModelDiffers(program, model, radio);
    return versionOk ? BandDiffers(program, model, radio) : VersionDiffers(program, radio);
}

}  // namespace mox
