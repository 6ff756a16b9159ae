#pragma once

#include <string>

#include "link/SerialPort.h"
#include "link/TransferState.h"
#include "records/RadioRecords.h"

namespace mox {

// What the radio says of itself in an identification reply.
RadioIdentity IdentityOf(const Bytes& reply);

// Takes over the identification reply: the radio identity, the feature byte into image address 2828
// and the feature flags, the model code into 2816..2822 (not in factory test mode, where the data's
// own model code must reach the radio) and the version into 2824..2827.
void TakeIdentity(const Bytes& reply, bool factoryTestMode, RadioIdentity& identity, RadioRecords& radio);

// The password of a password block (radio addresses 2864..2879): data bytes 12..15 up to the first 00
// or FF; "" when the radio has none.
std::string RadioPasswordOf(const Bytes& blockData);

// A model code compared the way the radio stores it: cut at its first NUL, trailing blanks removed.
std::string ComparableModelCode(const std::string& code);

}  // namespace mox
