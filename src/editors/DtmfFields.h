#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "records/RadioData.h"
#include "services/Messages.h"

namespace mox {

// The DTMF window's lists: the four timing lists Combo1(0) to Combo1(3), the D key list Combo1(4), and
// the call alert, group code and auto-reset lists Combo2(1), Combo2(4) and Combo2(5).
enum class DtmfList {
    Rate,
    FirstDigitTime,
    FirstDigitDelay,
    StarHashTime,
    DKey,
    CallAlert,
    GroupCode,
    AutoReset
};
constexpr int kDtmfListCount = 8;
constexpr int kDtmfCodeDigits = 16;
constexpr int kIdCodeDigits = 10;
constexpr int kIdCodeLeast = 3;
// The code boxes: Text1(0) to Text1(3) (PTT ID at the start and end, stun, kill), then Text2(0) to
// Text2(15) (the auto-dial memories).
constexpr int kDtmfCodeBoxCount = 4 + 16;

std::vector<std::string> DtmfListEntries(const Messages& messages, DtmfList list);
// The entry a list shows: a timing list the entry of the stored milliseconds, the others the entry at
// the stored index; the first entry when there is no such entry.
int DtmfListIndex(const DtmfSettings& settings, DtmfList list);
// Stores the chosen entry: the milliseconds / 50 of a timing list, the index of the others.
void SaveDtmfList(DtmfSettings& settings, DtmfList list, int index);
// The value a list's field holds now, and the values its entries store, in entry order (SaveDtmfList
// takes the position of a value in here).
int DtmfListValue(const DtmfSettings& settings, DtmfList list);
std::vector<int> DtmfListValues(DtmfList list);
// The side tone box stores 1 ticked and 0 clear.
void SaveSidetone(DtmfSettings& settings, bool ticked);

DtmfCode& DtmfCodeOfBox(DtmfSettings& settings, int box);
// The digits a code box shows: as many as the code counts; a count outside 0..16 shows none.
std::string ShownDtmfCode(const DtmfCode& code);
// Stores a code box's text: what remains of it after the cleaning below, at most 16 digits. Returns the
// text stored, which the box shows when it differs from what was typed or pasted.
std::string StoreDtmfCode(DtmfCode& code, std::string_view text);

// What a typed key becomes in a code box: DTMF digits pass, "a" to "d" become capitals, control keys
// (Backspace, ...) pass except Ctrl+C, Ctrl+V and Ctrl+X; everything else is dropped (0).
int DtmfCodeKey(int key);
// The same for the ID code box, which takes digits only.
int IdCodeKey(int key);
// Text that reached a box other than by typing, kept to the characters the radio can hold.
std::string CleanDtmfCodeText(std::string_view text);
std::string CleanIdCodeText(std::string_view text);

// The ID code the box shows: its first IdLength digits, three when the length is outside 3..10.
std::string ShownIdCode(const DtmfSettings& settings);
// Checks the ID code box when it is left: 3 to 10 digits, else "000". Stores it and returns the text the
// box shows.
std::string CheckIdCode(DtmfSettings& settings, std::string_view text);

struct DtmfView {
    std::array<int, kDtmfListCount> ListIndex{};
    bool SidetoneTicked = false;
    std::string IdCode;
    std::array<std::string, kDtmfCodeBoxCount> Codes;
};

// What the window shows when it opens. Showing counts as choosing: each list writes its shown entry
// back and each code box its shown text; the side tone and the ID code are stored only when edited.
DtmfView OpenDtmf(DtmfSettings& settings);

}  // namespace mox
