#pragma once

#include <QJsonObject>
#include <iosfwd>

#include "app/AppState.h"

namespace mox::cli {

// The radio information as the information window shows it: texts from the radio decoded from its
// code page, the program's own as UTF-8.
QJsonObject RadioInfoToJson(const AppState& state);
// One "label: value" line per field, labelled with the information window's texts.
void PrintRadioInfo(const AppState& state, std::ostream& out);

}  // namespace mox::cli
