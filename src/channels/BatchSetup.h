#pragma once

// The batch set-up of channels: what its controls hold, which of them are enabled, and Apply, which
// writes the chosen settings on a range of channels directly (not through SetChannelField: no tone
// coupling, no check of the scan and alert channel references, no warning).

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "channels/BatchItems.h"
#include "channels/ChannelEditState.h"
#include "records/ModelState.h"
#include "records/RadioData.h"
#include "services/Messages.h"

namespace mox {

enum class BatchTxMode { Default, Offset, StartFrequency };

// A tone that steps through the tone list from channel to channel, or is drawn at random.
struct BatchToneFields {
    int Start = 0;  // index into the tone list
    std::string Interval = "0";
    bool Decrease = false;
    bool Random = false;
};

// The dialog's controls. Texts are kept as the fields show them; the checks turn them into the
// numbers Apply uses.
struct BatchFields {
    bool AllChannels = true;
    std::string FromText = "1";
    std::string ToText = "128";
    bool ClearOutside = false;

    std::string RxStart;       // MHz
    std::string RxStep = "0";  // kHz
    bool RxDecrease = false;

    BatchTxMode TxMode = BatchTxMode::Default;
    std::string TxOffset = "0.00000";  // MHz
    bool OffsetMinus = false;
    std::string TxStart;       // MHz
    std::string TxStep = "0";  // kHz
    bool TxDecrease = false;

    BatchToneFields RxTone;
    BatchToneFields TxTone;
    bool TxToneSameAsRx = true;

    // The list value or check box state of items 6 to 21.
    std::array<int, kBatchItemCount> Values{};
};

// The controls as the dialog opens: both start frequencies at the band's lower limit.
BatchFields InitialBatchFields(const ModelState& model);

// Which controls of the settings panel take input.
struct BatchEnabling {
    bool RangeFields = false;  // from, to and the clear-outside box
    bool TxOffset = false;     // offset and plus/minus
    bool TxStart = false;      // transmit start, step and increase/decrease
    bool RxToneSteps = false;  // receive start tone, interval and increase/decrease
    bool TxToneRandom = false;
    bool TxToneSteps = false;  // transmit start tone, interval and increase/decrease
};
BatchEnabling BatchEnablingOf(const BatchFields& fields);

// Runs the checks of the fields an applied item uses, as Apply does before it writes: the start
// frequencies, steps and offset of the receive and transmit items, the tone intervals.
void CheckBatchFields(BatchFields& fields, const BatchItemSelection& items, const ModelState& model,
                      const Messages& messages);

// The channels Apply works on: both range fields' values, ascending; all channels gives 1 to 128.
std::pair<int, int> BatchRange(const BatchFields& fields);

// A tone index 0..282, each equally likely. Apply draws from it only for random tones.
using ToneDraw = std::function<int()>;
// A uniform draw from a generator seeded with `seed` (the caller seeds from the clock).
ToneDraw UniformToneDraw(std::uint64_t seed);

// What Apply changes and how: the channels, the band the frequencies stay in, the messages the band
// check would speak through (it never warns here) and the source of random tones.
struct BatchTarget {
    ChannelTable& Channels;
    const ModelState& Model;
    const Messages& Say;
    const ToneDraw& Draw;
};

// Checks the fields, removes the channels outside the range when asked, then sets each selected item
// on every channel of the range in ascending order. Only the receive frequency creates channels; the
// fields show their checked texts afterwards.
void ApplyBatch(BatchFields& fields, const BatchItemSelection& items, const BatchTarget& target);

}  // namespace mox
