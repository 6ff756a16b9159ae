#pragma once

#include <filesystem>
#include <string_view>

#include "app/AppState.h"
#include "image/Today.h"

namespace mox {

// The defaults of new data for the current model and band: function settings, one simplex channel
// in the middle of the band, empty FM presets, the test frequencies and five-point pairs, the radio
// information, the companion values; the document is "new.dat", never saved, and unchanged.
void BuildNewRadioData(AppState& state, const Today& today);

// Program folder/Init/<model code>_<band code>.dat
std::filesystem::path DefaultDataFilePath(const std::filesystem::path& programFolder,
                                          std::string_view modelCode, int bandCode);

// New data: the defaults, then the default file of the current model and band when it exists (only
// its channel 1 unless `initialise`), else the settings of the model's band-0 file.
void NewRadioData(AppState& state, bool initialise, const Today& today);

}  // namespace mox
