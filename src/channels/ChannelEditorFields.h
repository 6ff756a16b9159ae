#pragma once

// The fields of the channel editor: which channel field each list and check box edits, with which
// column of SetChannelField, and which values a list offers. Windows show these; nothing here knows
// of windows.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "channels/ChannelGrid.h"
#include "records/RadioData.h"

namespace mox {

constexpr int kEditorListCount = 11;  // Combo2(0) .. Combo2(10)
constexpr int kEditorCheckCount = 7;  // Check1(0) .. Check1(6)

// Indexes of the lists whose choices depend on the channel or on other settings.
constexpr int kRxToneList = 0;
constexpr int kSignallingList = 3;
constexpr int kBusyLockList = 6;
constexpr int kReverseOrTalkaroundList = 7;
constexpr int kAutoDial1List = 8;
constexpr int kAutoDial2List = 10;
constexpr int kTalkaroundCheck = 3;
constexpr int kReverseCheck = 4;

enum class EditorListKind {
    Tones,     // the 283 tone codes; entry 0 is "off"
    Texts,     // one language text per value 0, 1, ...
    BusyLock,  // off and carrier always, tone only while the channel has the tone lockout needs
    AutoDial,  // off, then the numbers of the auto-dial memories in use
};

struct EditorList {
    int Column;  // of SetChannelField
    int LabelText;
    const char* LabelTail;  // follows the label text (the two auto-dial lists are told apart by it)
    EditorListKind Kind;
    std::vector<int> EntryTexts;  // Texts: the text of each value; Tones: the text of entry 0
    std::int16_t ChannelRecord::*Field;
};

struct EditorCheck {
    int Column;
    int LabelText;
    std::int16_t ChannelRecord::*Field;
};

const std::array<EditorList, kEditorListCount>& EditorLists();
const std::array<EditorCheck, kEditorCheckCount>& EditorChecks();

// The busy-lock values offered: off and carrier always, tone only with the tone it needs.
std::vector<int> BusyLockChoices(bool hasTone);
// Off (0), then the numbers 1..16 of the auto-dial memories that hold digits, ascending.
std::vector<int> AutoDialChoices(const DtmfSettings& dtmf);
// The stored values a list offers for this channel, in entry order: entry i stores element i.
std::vector<int> OfferedValues(const EditorList& list, const ChannelRecord& record, const DtmfSettings& dtmf);
// The entry that shows a stored value: its place among the offered values, the first entry for a
// value the list does not offer (a damaged record, a memory that has become empty, busy lock 3).
int EntryOfValue(const std::vector<int>& offered, int value);

// The text of a list entry that stores `value`.
std::string EntryText(const EditorList& list, int value, const TextOf& text);

}  // namespace mox
