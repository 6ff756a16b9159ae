#pragma once

#include <array>
#include <string>
#include <vector>

#include "records/RadioData.h"
#include "services/Messages.h"

namespace mox {

// The scan settings, in their record order. The window shows them in Combo1(0) (scan mode), Combo1(1)
// (priority mode), Combo1(6) (return channel), Combo1(7) to Combo1(10) (the four times), Check1 (the
// entry tone) and Combo1(2) to Combo1(5) (group and position of the two priority channels).
enum class ScanField {
    ScanMode,
    PriorityMode,
    ReturnChannel,
    LookBackA,
    LookBackB,
    RxResumeDelay,
    TxResumeDelay,
    ScanEntryTone,
    Priority1Group,
    Priority1Channel,
    Priority2Group,
    Priority2Channel
};
constexpr int kScanFieldCount = 12;
constexpr int kReturnChannelChoiceCount = 8;

// The entries of the lists with fixed entries: scan mode, priority mode, the four times, and for the
// return channel all eight choices (the hidden full list).
std::vector<std::string> ScanListEntries(const Messages& messages, ScanField field);
// The return channels a priority mode offers, as indexes into the full list.
std::vector<int> ReturnChannelChoices(int priorityMode);

// The group list, shared by both priority channels, and each priority channel's position list.
struct ScanChannelLists {
    std::vector<int> Groups;
    std::array<std::vector<int>, 2> Positions;
};

struct ScanView {
    // For the scan mode, priority mode, return channel and time lists the entry shown; for the entry
    // tone 1 ticked or 0 clear; for the group and position lists the number shown, 0 when empty.
    std::array<int, kScanFieldCount> Shown{};
    std::vector<int> ReturnChoices;
    ScanChannelLists Channels;
};

// What the window shows when it opens. Showing counts as choosing, so every value is written back
// (a value outside its list becomes the first entry's value) with the choice's follow-on rules: the
// first scan mode takes the scan function off the keys.
ScanView OpenScan(FunctionSettings& settings, const ChannelTable& table);

// The choices the window passes on, each stored at once.
// The first scan mode (0) also clears key function 8.
void SelectScanMode(FunctionSettings& settings, int index);
// The return channel is shown again from the new mode's choices, its first entry when the stored one is
// not offered. Returns the return channel entry now shown.
int SelectPriorityMode(ScanSettings& scan, int index);
void SelectReturnChannel(ScanSettings& scan, int entry);
// A time list (entry index) or the entry tone (1 or 0).
void SelectScanEntry(ScanSettings& scan, ScanField field, int index);
// The group of priority channel 1 or 2; its position is shown again from the new group's positions.
// Returns the position shown, 0 when the group has none.
int SelectPriorityGroup(ScanSettings& scan, const ChannelTable& table, int priority, int group);
void SelectPriorityChannel(ScanSettings& scan, int priority, int position);

// After the channel list changed: the group and position lists again, with the stored priority
// channels shown (and stored) as on opening.
ScanChannelLists ReshowScanChannels(ScanSettings& scan, const ChannelTable& table);

// Whether a control may be used: everything but the scan mode waits for a scan mode, and the priority
// channels' lists for a priority mode that uses them.
bool ScanControlEnabled(const ScanSettings& scan, ScanField field);

// The values a field can be given now: the window's list as it stands (the group list from the
// channels, the positions of the stored group, the return channels of the stored priority mode).
std::vector<int> ScanFieldValues(const FunctionSettings& settings, const ChannelTable& table,
                                 ScanField field);
// Sets a field to a stored value as choosing it in the window would, follow-on rules included. A value
// the window cannot produce now (not in the list, or the list disabled) changes nothing and returns
// false.
bool SetScanField(FunctionSettings& settings, const ChannelTable& table, ScanField field, int value);

}  // namespace mox
