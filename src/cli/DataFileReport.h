#pragma once

#include <QJsonObject>
#include <iosfwd>
#include <vector>

#include "app/AppState.h"

namespace mox::cli {

// The radio-wide settings under their record names, as the whole data's JSON holds them.
QJsonObject FunctionSettingsJson(const AppState& state);
void PrintJson(const QJsonObject& json, std::ostream& out);
// The working data as one JSON object: the channel records and every setting under their own names.
QJsonObject DataToJson(AppState& state);
// The channels as a table, then every setting as "Group.Field value" lines.
void PrintDataAsText(AppState& state, std::ostream& out);
// The heading of that table and the row of one channel, exactly as they stand in the whole table;
// the heading alone when there is no such channel.
void PrintChannelRow(AppState& state, int number, std::ostream& out);
// The heading and the rows of these channels in ascending order; a channel that does not exist is
// printed as its number alone.
void PrintChannelRows(AppState& state, const std::vector<int>& numbers, std::ostream& out);

}  // namespace mox::cli
