// The data file on any bytes of any length, through the three ways the program reads one: Open, the
// second open command, and the read that compares a file with the data. A refused file leaves the
// document as it was and tells the user why; an accepted one is saved and opened again unchanged.

#include <cstdint>
#include <string>

#include "files/DataFile.h"
#include "fuzz/DocumentFixture.h"
#include "fuzz/FuzzInput.h"
#include "image/RadioImagePacking.h"

namespace {

using namespace mox;
using mox::fuzz::DocumentFixture;
using mox::fuzz::KeptDocument;

const test::TempFolder& Folder() {
    static const test::TempFolder folder;
    return folder;
}

// A file that was taken is a document like any other: it saves, opens again as it was saved, and a
// write either packs it or refuses before sending anything.
void CheckTakenFile(DocumentFixture& fixture) {
    AppState& state = fixture.state;
    FUZZ_CHECK(state.Data.Channels.Count >= 0 && state.Data.Channels.Count <= kChannelCapacity);
    FUZZ_CHECK(state.Data == state.SavedData);
    FUZZ_CHECK(SaveDataFile(state, fixture.windows));

    DocumentFixture reopened(Folder());
    FUZZ_CHECK(OpenDataFile(reopened.state, reopened.windows, state.Document.CurrentPath));
    FUZZ_CHECK(reopened.state.Data == state.Data);

    // A refused write packs nothing: no block of a half-packed image can be sent.
    const RadioImage image = state.Image;
    if (!PackRadioImage(state, state).Ok)
        FUZZ_CHECK(state.Image == image);
}

void CheckRefusal(const DocumentFixture& fixture, const KeptDocument& before) {
    FUZZ_CHECK(KeptDocument(fixture.state) == before);
    FUZZ_CHECK(!fixture.prompts.Prompts.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = Folder().Root() / "fuzz.dat";
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    {
        test::TempFolder::WriteFile(file, bytes);
        DocumentFixture fixture(Folder());
        const KeptDocument before(fixture.state);
        if (OpenDataFile(fixture.state, fixture.windows, file))
            CheckTakenFile(fixture);
        else
            CheckRefusal(fixture, before);
    }
    {
        test::TempFolder::WriteFile(file, bytes);
        DocumentFixture fixture(Folder());
        const KeptDocument before(fixture.state);
        if (OpenDataFileDirect(fixture.state, fixture.windows, file)) {
            FUZZ_CHECK(fixture.state.Data.Channels.Count >= 0 &&
                       fixture.state.Data.Channels.Count <= kChannelCapacity);
            FUZZ_CHECK(fixture.state.Model.ModelCode == before.Model);
        } else {
            CheckRefusal(fixture, before);
        }
    }
    {
        DocumentFixture fixture(Folder());
        const KeptDocument before(fixture.state);
        const auto records = ReadDataFileRecords(fixture.state, file);
        FUZZ_CHECK(KeptDocument(fixture.state) == before);
        if (records)
            FUZZ_CHECK(records->Data.Channels.Count >= 0 && records->Data.Channels.Count <= kChannelCapacity);
        else
            FUZZ_CHECK(!fixture.prompts.Prompts.empty());
    }
    return 0;
}
