#pragma once

#include <QJsonObject>
#include <iosfwd>

#include "app/AppState.h"

namespace mox::cli {

// The radio information as the information window shows it, decoded from the radio's GB18030 text.
QJsonObject RadioInfoToJson(const AppState& state);
// One "label: value" line per field, labelled with the information window's texts.
void PrintRadioInfo(const AppState& state, std::ostream& out);

}  // namespace mox::cli
