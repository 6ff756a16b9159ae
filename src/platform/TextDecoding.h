#pragma once

#include <QString>
#include <string>

#include "records/RadioInfo.h"

namespace mox {

// A stored text as the user reads it. The radio's code page is decoded as GB18030, which covers the
// Chinese ANSI code page together with ASCII.
QString DecodedText(const std::string& bytes, TextEncoding encoding);

}  // namespace mox
