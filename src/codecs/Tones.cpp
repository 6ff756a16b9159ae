#include "codecs/Tones.h"

#include <array>

namespace mox {

namespace {

constexpr std::array<std::string_view, 50> kCtcss = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

constexpr std::array<std::string_view, 116> kDcs = {
    "017", "023", "025", "026", "031", "032", "036", "043", "047", "050", "051", "053", "054", "055", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "135", "143", "145",
    "152", "155", "156", "162", "165", "172", "174", "205", "212", "217", "223", "225", "226", "243", "244",
    "245", "246", "251", "252", "254", "255", "261", "263", "265", "266", "271", "274", "305", "306", "311",
    "315", "325", "331", "332", "343", "345", "346", "351", "356", "364", "365", "371", "411", "412", "413",
    "423", "425", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465", "466", "503", "506",
    "516", "523", "526", "532", "534", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654",
    "662", "664", "703", "712", "723", "731", "732", "734", "743", "754", "765",
};

constexpr int kFirstDcs = 1 + static_cast<int>(kCtcss.size());                // 51
constexpr int kFirstInvertedDcs = kFirstDcs + static_cast<int>(kDcs.size());  // 167
constexpr int kInvertedOffset = static_cast<int>(kDcs.size());                // 116

static_assert(kFirstInvertedDcs + static_cast<int>(kDcs.size()) == kToneCount);

std::string Replaced(std::string_view text, char from1, char to1, char from2, char to2) {
    std::string result(text);
    for (char& c : result) {
        if (c == from1)
            c = to1;
        else if (c == from2)
            c = to2;
    }
    return result;
}

}  // namespace

std::string ToneText(int code, const std::string& noneText) {
    if (code >= 1 && code < kFirstDcs)
        return std::string(kCtcss[static_cast<std::size_t>(code - 1)]);
    if (code >= kFirstDcs && code < kFirstInvertedDcs)
        return std::string(kDcs[static_cast<std::size_t>(code - kFirstDcs)]) + "N";
    if (code >= kFirstInvertedDcs && code < kToneCount)
        return std::string(kDcs[static_cast<std::size_t>(code - kFirstInvertedDcs)]) + "I";
    return noneText;
}

std::vector<std::string> ToneListTexts(const std::string& noneText) {
    std::vector<std::string> texts;
    texts.reserve(kToneCount);
    for (int code = 0; code < kToneCount; ++code)
        texts.push_back(ToneText(code, noneText));
    return texts;
}

// The slot byte holds the first 167 list entries; inverted DCS shares the byte of its normal code and
// sets the flag. Codes beyond the list (only from damaged data) keep the same arithmetic, cut to a
// byte, so they come back unchanged where the byte can hold them.
std::pair<std::uint8_t, bool> ToneToSlot(int code) {
    if (code < kFirstInvertedDcs)
        return {static_cast<std::uint8_t>(code), false};
    return {static_cast<std::uint8_t>(code - kInvertedOffset), true};
}

int SlotToTone(std::uint8_t byte, bool flag) {
    return byte + (flag ? kInvertedOffset : 0);
}

std::string DtmfToHex(std::string_view text) {
    return Replaced(text, '*', 'E', '#', 'F');
}

std::string HexToDtmf(std::string_view text) {
    return Replaced(text, 'E', '*', 'F', '#');
}

std::string HexPad(std::uint64_t value, int width) {
    if (width <= 0)
        return "";
    std::string text;
    do {
        text.insert(text.begin(), "0123456789ABCDEF"[value % 16]);
        value /= 16;
    } while (value > 0);
    const auto size = static_cast<std::size_t>(width);
    if (text.size() < size)
        text.insert(0, size - text.size(), '0');
    return text.substr(0, size);
}

}  // namespace mox
