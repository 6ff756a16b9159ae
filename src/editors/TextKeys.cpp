#include "editors/TextKeys.h"

namespace mox {

namespace {

constexpr int kCopyKey = 3;
constexpr int kPasteKey = 22;
constexpr int kCutKey = 24;

}  // namespace

int TextKey(int key) {
    if (key == kCopyKey || key == kPasteKey || key == kCutKey || key > 127 || key < 0)
        return 0;
    return key;
}

int DigitKey(int key) {
    key = TextKey(key);
    return key < ' ' || (key >= '0' && key <= '9') ? key : 0;
}

std::string CleanTypedText(std::string_view text, int (*key)(int)) {
    std::string clean;
    for (const char c : text) {
        const int kept = key(static_cast<unsigned char>(c));
        if (kept >= ' ')
            clean.push_back(static_cast<char>(kept));
    }
    return clean;
}

}  // namespace mox
