#include <gtest/gtest.h>

#include "exchange/ImportReportText.h"
#include "support/TempFolder.h"

namespace mox::test {
namespace {

// What a row of the file held goes into the report as it was, even where it looks like a placeholder
// of the report's texts.
TEST(ImportReportTextTest, CellsThatLookLikePlaceholdersAreReportedAsTheyStand) {
    TempFolder folder;
    folder.InstallLanguageFiles();
    Messages messages;
    messages.Paths = folder.Paths();
    ImportReport report;
    report.IsChannelCsv = true;
    report.Imported = 1;
    report.Notes.push_back({3, "{2}", kFrequencyNotNumber, {"{1}"}, true});
    report.Notes.push_back({4, "7", kRxSettled, {"439.004000", "439.000000"}, false});
    EXPECT_EQ(
        ImportReportLines(messages, report),
        (std::vector<std::string>{"Row 3 (Location {2}) skipped: the frequency \"{1}\" is not a number",
                                  "Row 4 (Location 7) changed: the receive frequency 439.004000 MHz was "
                                  "put on the radio's raster at 439.000000 MHz",
                                  "Channels imported: 1"}));
}

}  // namespace
}  // namespace mox::test
