#include "factory/TestDataText.h"

#include <algorithm>
#include <array>

#include "services/LanguageState.h"
#include "services/NumberText.h"

namespace mox {

namespace {

constexpr int kLargestByte = 255;

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string CheckTestDataText(std::string_view text) {
    if (!IsDigits(text))
        return "0";
    const std::size_t first = std::min(text.find_first_not_of('0'), text.size());
    const std::string_view digits = text.substr(first);
    if (digits.size() > 3 || ParseWholeNumber(digits).value_or(0) > kLargestByte)
        return WholeNumberText(kLargestByte);
    return WholeNumberText(ParseWholeNumber(digits).value_or(0));
}

std::uint8_t TestDataByteOf(std::string_view text) {
    return static_cast<std::uint8_t>(std::stoi(CheckTestDataText(text)));
}

TestDataTexts TestDataDialogTexts(int language) {
    if (language == kChinese)
        return {"测试数据", "加载(&L)", "保存(&S)", "测试数据文件 (*.ted)|*.ted"};
    return {"Test Data", "&Load", "&Save", "Test Data File (*.ted)|*.ted"};
}

std::string TestDataLabel(int byte) {
    static const std::array<const char*, kShownTestDataBytes> kLabels = {
        "Freq",      "PowerH",     "PowerM",      "PowerL",      "发射音频频偏", "DTMF 频偏",
        "D017N频偏", "67.0Hz频偏", "136.5Hz频偏", "254.1Hz频偏", "单音1.5K频偏",
    };
    return kLabels.at(static_cast<std::size_t>(byte));
}

}  // namespace mox
