#pragma once

// What an import of a channel list did: how many channels it took, and each row it skipped or
// changed with the reason, so that the user can mend the file.

#include <string>
#include <vector>

namespace mox {

// The reasons, by the number of their text in the language files; {0} and {1} are the note's values.
enum ImportReason : int {
    kRxOutsideBand = 31410,  // {0} MHz, {1} the band
    kTxOutsideBand = 31411,  // {0} MHz, {1} the band
    kFrequencyNotNumber = 31412,
    kOffsetNotNumber = 31413,
    kUnknownDuplex = 31414,
    kCtcssNotInList = 31415,
    kDcsNotInList = 31416,
    kUnknownToneMode = 31417,
    kUnknownCrossMode = 31418,
    kBadPolarity = 31419,
    kModeNotFm = 31420,
    kTooManyChannels = 31421,
    kBadLocation = 31422,
    kLocationTaken = 31423,  // {0} the location, {1} the row that gave it first
    kRxSettled = 31424,      // {0} MHz in the file, {1} MHz kept
    kTxSettled = 31425,
    kUnknownPower = 31426,
};

struct ImportNote {
    int Row = 0;  // as a spreadsheet numbers it: the header is row 1
    std::string Location;
    ImportReason Reason = kFrequencyNotNumber;
    std::vector<std::string> Values;
    bool Skipped = true;  // else the row was taken with a change
};

struct ImportReport {
    // False for a file without the Location and Frequency columns: nothing was read from it.
    bool IsChannelCsv = false;
    int Imported = 0;
    int NamesDropped = 0;
    int CommentsDropped = 0;
    std::vector<ImportNote> Notes;
};

}  // namespace mox
