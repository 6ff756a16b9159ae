#pragma once

#include "files/DocumentContext.h"

namespace mox {

// Whether the working data differ from the copy last loaded or saved: the channels in use, the model
// record, the function settings, AlarmMode and the companion tag, the eleven test-frequency pairs and,
// in factory test mode, the test data. Texts count as equal when they read back the same
// (CutFixedText). The FM presets are not compared.
bool IsDataChanged(const DocumentContext& document);

}  // namespace mox
