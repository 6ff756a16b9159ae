#pragma once

// The items of the batch set-up: which channel setting each one writes, how the dialog offers it and
// where its flag lies in BatchItemSelection (BatchFun.ini).

#include <cstdint>
#include <string>
#include <vector>

#include "channels/ChannelEditState.h"
#include "records/RadioData.h"

namespace mox {

// Items by their number in the dialog.
enum BatchItem : int {
    kBatchRxFrequency = 0,
    kBatchTxFrequency = 1,
    kBatchRxTone = 2,
    kBatchTxTone = 3,
    kBatchRxStep = 4,  // items 4 and 5 are check boxes without settings or effect
    kBatchTxStep = 5,
    kBatchTxPower = 6,
    kBatchOptionalSignalling = 7,
    kBatchPttId = 8,
    kBatchSpacing = 9,
    kBatchBusyLock = 10,
    kBatchReverseOrTalkaround = 11,
    kBatchAutoDial1 = 12,
    kBatchSignallingRelation = 13,
    kBatchScanSkip = 14,
    kBatchVoiceScramble = 15,
    kBatchTxInhibit = 16,
    kBatchTalkaround = 17,
    kBatchReverse = 18,
    kBatchWhisper = 19,
    kBatchCompander = 20,
    kBatchAutoDial2 = 21,
};
constexpr int kBatchItemCount = 22;

enum class BatchItemKind {
    Frequency,  // items 0 and 1: their own controls
    Tone,       // items 2 and 3: their own controls
    NoSetting,  // items 4 and 5
    List,       // a list whose value is the entry's index
    AutoDial,   // off (0), then the numbers of the auto-dial memories in use
    Check,      // a check box: 0 or 1
};

struct BatchItemInfo {
    BatchItemKind Kind;
    int SelectionByte;                   // -1 for the items without a flag
    std::vector<int> EntryTexts;         // List: the text of each entry, in value order
    std::int16_t ChannelRecord::*Field;  // List, AutoDial and Check items: the field written
    const char* FieldName;               // that field's name in ChannelRecord
};

const BatchItemInfo& BatchItemOf(int item);

// The caption: text 29010 + item, except the two auto-dial items, text 29022 and " 1" or " 2".
int BatchItemCaptionText(int item);
const char* BatchItemCaptionTail(int item);

bool IsBatchItemSelected(const BatchItemSelection& items, int item);
// Items without a flag are never applied, whatever their check box shows.
void SelectBatchItem(BatchItemSelection& items, int item, bool selected);

// The values an item's list or check box offers, in entry order: entry i stores element i.
std::vector<int> BatchItemValues(int item, const DtmfSettings& dtmf);

// The item that writes this ChannelRecord field (List, AutoDial and Check items), -1 for none.
int BatchItemOfField(const std::string& fieldName);

}  // namespace mox
