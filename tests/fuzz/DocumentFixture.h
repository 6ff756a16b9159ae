#pragma once

// A program state on a temporary installation that handles "V200" data files and holds new data, as
// the file commands meet it; shared by the fuzz targets of the data file and the files beside it.

#include "app/AppState.h"
#include "app/NewRadioData.h"
#include "files/DocumentWindows.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

namespace mox::fuzz {

struct DocumentFixture {
    explicit DocumentFixture(const test::TempFolder& folder) {
        state.Paths = folder.Paths();
        state.Prompts = &prompts;
        state.Versions.Firm = {{"V200", "V200"}};
        BuildNewRadioData(state, Today{"2024-07-09", 7});
    }

    AppState state;
    test::ScriptedPrompter prompts;
    NoDocumentWindows windows;
};

// What a refused file must leave as it was.
struct KeptDocument {
    explicit KeptDocument(const AppState& state)
        : Data(state.Data),
          SavedData(state.SavedData),
          Companion(state.Companion),
          Model(state.Model.ModelCode),
          BandCode(state.Model.BandCode),
          Path(state.Document.CurrentPath),
          Test(state.WorkingTestData) {}
    bool operator==(const KeptDocument&) const = default;

    RadioData Data;
    RadioData SavedData;
    CompanionRecord Companion;
    std::string Model;
    std::uint8_t BandCode;
    std::string Path;
    TestData Test;
};

}  // namespace mox::fuzz
