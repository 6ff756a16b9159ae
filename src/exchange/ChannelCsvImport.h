#pragma once

// Reading a channel list in the exchange columns into the program's channel list. Every row goes
// through the channel list's own rules (band, raster, shift, busy lock); a row the radio cannot hold
// as written is skipped, or taken with the change it needed, and the report says which and why.

#include <string_view>

#include "exchange/ImportReport.h"
#include "records/ModelState.h"
#include "records/RadioData.h"

namespace mox {

struct ImportOptions {
    // Rows go to the channels their Location names instead of to channels 1, 2, 3, ... in file order.
    // A row then changes the channel of that number: what the file has no column for (signalling,
    // busy lock, scrambling, ...) stays as the channel had it.
    bool KeepLocations = false;
    // Channels the file does not name stay; otherwise the rows replace the whole channel list.
    bool Merge = false;
};

// Changes `data` only when the text is such a channel list and at least one row was taken; the scan
// and alert channel references then follow the new list.
ImportReport ImportChannelsCsv(std::string_view bytes, const ImportOptions& options, RadioData& data,
                               const ModelState& model);

}  // namespace mox
