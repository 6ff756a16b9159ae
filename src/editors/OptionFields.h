#pragma once

#include <array>
#include <string>
#include <vector>

#include "records/RadioData.h"
#include "services/Messages.h"

namespace mox {

// The optional features window's controls: lists Combo1(0) to Combo1(11) and check boxes Check1(0) to
// Check1(6). SaveOptFeat names a list by its index and a check box by 20 + its index.
constexpr int kOptionListCount = 12;
constexpr int kOptionCheckCount = 7;
constexpr int kFirstOptionCheckId = 20;
// Check1(0) switches voice-operated transmission; its tone box and the sensitivity and delay lists
// mean something only while it is ticked.
constexpr int kVoxCheck = 0;
constexpr std::array<int, 2> kVoxLists = {8, 9};
constexpr int kVoxToneCheck = 1;

// The entries of list Combo1(id) in the current language.
std::vector<std::string> OptionListEntries(const Messages& messages, int id);

// The entry a list shows for the stored value; a value outside the list shows the first entry.
int OptionListIndex(const FunctionSettings& settings, int id);
// A check box is ticked only for the value 1; any other value shows clear.
bool OptionCheckTicked(const FunctionSettings& settings, int box);

// Stores one control's value: the chosen entry of a list (id 0 to 11) or the state of a check box
// (id 20 to 26, value 1 ticked or 0 clear).
void SaveOptFeat(FunctionSettings& settings, int id, int value);

// The VOX tone box and the VOX sensitivity and delay lists are usable only while VOX is switched on.
bool VoxControlsEnabled(const FunctionSettings& settings);
// Whether a control (a list id or 20 + a check box) can be changed now: the VOX controls follow VOX.
bool OptionControlEnabled(const FunctionSettings& settings, int id);

// The value a control's field holds now, as stored.
int OptionValue(const FunctionSettings& settings, int id);
// The values a control can store, in entry order: a list's entries, a check box's clear and ticked.
// SaveOptFeat takes the position of a value in here.
std::vector<int> OptionValues(int id);

struct OptFeaturesView {
    std::array<int, kOptionListCount> ListIndex{};
    std::array<bool, kOptionCheckCount> Ticked{};
};

// What the window shows when it opens. Showing a list entry counts as choosing it, so every list
// writes its shown value back (a value outside its list becomes the first entry's value). A check
// box writes only when clicked, so an odd value in an option field stays; the prohibit-initialise
// flag is the exception, it is stored as shown.
OptFeaturesView OpenOptFeatures(FunctionSettings& settings);

}  // namespace mox
