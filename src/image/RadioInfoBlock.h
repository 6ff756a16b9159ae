#pragma once

#include "image/Today.h"
#include "records/ModelState.h"
#include "records/RadioImage.h"
#include "records/RadioInfo.h"

namespace mox {

// Fills the radio information from the block the information read brought: each text ends before
// its first 0x00 or 0xFF byte or at its size. The bytes are kept as the radio sent them, marked as in
// the radio's code page. The model and version keep their values and the band follows the current
// band.
void UnpackRadioInfoBlock(const RadioInfoBlock& block, const ModelState& model, RadioInfo& info);

// The encoding of one text of the radio information: the radio's code page for a text the last
// information read filled, UTF-8 for everything the program wrote itself.
TextEncoding EncodingOf(const RadioInfo& info, std::string RadioInfo::*field);

// The radio information of new data: the current model and band, "V2.00", sales area "0595", batch
// number of the current month, customer code "001A" and today's date in the four date fields.
void ResetRadioInfo(RadioInfo& info, const ModelState& model, const Today& today);

}  // namespace mox
