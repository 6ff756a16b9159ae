#pragma once

// The checks the batch set-up runs on its number fields: when a field loses the focus, on Enter and
// again on Apply. None of them warns: a malformed number becomes 0 or a band limit, a number off the
// radio's rasters is moved down onto them.

#include <string>
#include <string_view>

#include "records/ModelState.h"
#include "services/Messages.h"

namespace mox {

constexpr int kBatchFirstChannel = 1;
constexpr int kBatchLastChannel = 128;

// A range field after every change: "1" for a non-number or a number below 1, "128" above 128,
// otherwise the number's integer part.
std::string RangeFieldText(std::string_view text);
// A step field after every change: a number above 1000 kHz becomes "1000"; anything else stays.
std::string StepLimitText(std::string_view text);

// A start frequency (MHz): pulled into the band, then onto the 5 kHz or 6.25 kHz grid counted from the
// band's lower limit (moved down to the 5 kHz grid when it lies on neither); "#0.00000".
std::string StepDataFre(const ModelState& model, const Messages& messages, std::string_view rData);
// A step (kHz): a non-number counts as 0; a step that is no multiple of 5 kHz or 6.25 kHz is moved down
// to a multiple of 5 kHz. Shown as a plain number ("12.5", "5", "6.25").
std::string StepData(std::string_view rData);
// A transmit offset (MHz): as a step, shown "#0.00000".
std::string StepDataFree(std::string_view rData);
// A tone interval: the text when it is a number, otherwise `rDef`.
std::string DefaultData(std::string_view rData, std::string_view rDef);

// Key rules of the dialog's number fields: frequency, step and offset fields take digits and ".", the
// others digits only. Keyboard copy, paste and cut (codes 3, 22, 24) and codes above 127 are dropped;
// other control characters such as Backspace pass.
bool KeepsBatchFrequencyKey(char32_t code);
bool KeepsBatchDigitKey(char32_t code);

}  // namespace mox
