#pragma once

// What a printout of a data file holds, page by page, in the language in force: one page for each
// group of 16 channel positions in the channel list's columns, then the radio-wide settings by
// their record names. Every page carries the same heading (file name, model, band and date).

#include <string>
#include <vector>

#include "records/ModelState.h"
#include "records/RadioData.h"
#include "services/Messages.h"

namespace mox {

struct PrintedPage {
    std::string Title;
    // The first row holds the column titles.
    std::vector<std::vector<std::string>> Rows;
};

struct PrintedDocument {
    std::string Heading;
    std::vector<PrintedPage> Pages;
    // "Page {0} of {1}" in the language in force.
    std::string PageNumberText;
};

struct PrintSource {
    const RadioData& Data;
    const CompanionRecord& Companion;
    const ModelState& Model;
    std::string FileName;  // the part after the last "/"
    std::string Date;
};

PrintedDocument BuildPrintedDocument(const Messages& messages, const PrintSource& source);

// The settings rows that fit on one page; each row holds two settings side by side.
constexpr std::size_t kSettingRowsPerPage = 42;

}  // namespace mox
