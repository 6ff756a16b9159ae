#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mox {

constexpr int kToneCount = 283;  // 0 none, 1..50 CTCSS, 51..166 DCS normal, 167..282 DCS inverted

// The list text of a tone code; `noneText` for 0 and for any code outside the list.
std::string ToneText(int code, const std::string& noneText);
// The 283 entries of every tone selector, in code order; entry 0 is `noneText`.
std::vector<std::string> ToneListTexts(const std::string& noneText);
// Slot byte and high flag of a tone code.
std::pair<std::uint8_t, bool> ToneToSlot(int code);
int SlotToTone(std::uint8_t byte, bool flag);

std::string DtmfToHex(std::string_view text);  // "*" -> "E", "#" -> "F"
std::string HexToDtmf(std::string_view text);  // "E" -> "*", "F" -> "#"
// Upper-case hexadecimal text padded on the left with "0" to `width`, or cut to its first `width`
// characters when longer.
std::string HexPad(std::uint64_t value, int width);

}  // namespace mox
