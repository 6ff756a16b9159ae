#include "link/WriteVerification.h"

#include <cstdio>

#include "image/ImageAreas.h"
#include "services/FilledText.h"
#include "services/NumberText.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr int kMismatchText = 31700;

std::string Hex(int value, int digits) {
    char text[8];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::optional<int> FirstDifference(const RadioImage& written, const RadioImage& readBack) {
    for (int address = 0; address < kRadioImageSize; ++address) {
        const auto at = static_cast<std::size_t>(address);
        if (written[at] != readBack[at])
            return address;
    }
    return std::nullopt;
}

std::string ImageAreaText(const Messages& messages, int address) {
    const ImageArea area = ImageAreaOf(address);
    if (area.Text == 0)
        return {};
    std::string text = FilledText(GetLanguageText(messages, area.Text), WholeNumberText(area.Index));
    if (area.FieldText != 0)
        text += ": " + GetLanguageText(messages, area.FieldText);
    return text;
}

std::string VerifyMismatchText(const Messages& messages, int address, int written, int readBack) {
    return FilledText(GetLanguageText(messages, kMismatchText),
                      {WholeNumberText(address) + " (" + Hex(address, 4) + ")",
                       ImageAreaText(messages, address), Hex(readBack, 2), Hex(written, 2)});
}

}  // namespace mox
