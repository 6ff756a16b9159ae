#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/ModelState.h"
#include "records/RadioData.h"

namespace mox {

std::string ModelDisplayName(std::string_view modelCode);
std::string ModelCodeOf(std::string_view displayName);
// "" for a code outside the table.
std::string BandName(int bandCode);
// 0 for any text that is not exactly a band name.
int BandCodeOf(std::string_view bandName);
// The seventeen band codes in the order the band lists show them.
const std::vector<int>& BandCodes();
// The band list of a model: the seventeen names for both models, none for any other code.
std::vector<std::string> BandNamesOfModel(std::string_view modelCode);
int BandFamily(int bandCode);
// Sets the band name and the limits taken from it.
void SetBandLimits(ModelState& model, std::string_view bandName);

// One of the two models of the table, by model code.
bool IsKnownModel(std::string_view modelCode);
bool IsSameBandFamily(int programBand, int radioBand);

void SyncModelRecord(const ModelState& model, ModelRecord& record);
void ApplyModelRecord(ModelState& model, const ModelRecord& record);

}  // namespace mox
