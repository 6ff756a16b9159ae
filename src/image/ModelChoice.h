#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/ModelState.h"
#include "records/RadioRecords.h"
#include "services/Messages.h"

namespace mox {

// The model dialog's lists. Models: the two display names, then the current model's name when it is
// neither (data of an unknown model), so that the dialog opens on what is current and OK without a
// change stays no change. Bands: those of the chosen model; when that is the current model, its band
// is added if the list lacks it.
std::vector<std::string> ModelChoiceNames(const ModelState& current);
std::vector<std::string> BandChoiceNames(const ModelState& current, std::string_view displayName);

// The model dialog's OK. An unchanged choice does nothing. A changed one asks warning 9016 (title
// 9019, OK/Cancel); OK makes the chosen model and band current. True when they became current, so
// that new data follows. The model record and the radio information follow the new band.
bool ApplyModelChoice(const Messages& messages, RadioRecords& radio, std::string_view displayName,
                      std::string_view bandName);

}  // namespace mox
