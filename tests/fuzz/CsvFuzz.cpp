// The channel list import on any bytes: CSV files come from spreadsheets and other radio programs. The
// text splits into records whatever it holds; an import never gives more than 128 channels nor one the
// radio cannot take, a refused file leaves the data as they were, and what it took exports and imports
// again unchanged.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "exchange/ChannelCsvExport.h"
#include "exchange/ChannelCsvImport.h"
#include "exchange/CsvText.h"
#include "fuzz/FuzzInput.h"
#include "image/ChannelTable.h"
#include "image/RadioImagePacking.h"
#include "records/RadioRecords.h"

namespace {

using namespace mox;

// Data with a few channels as an import makes them, so that a merge has something to keep.
RadioData BaseData(const ModelState& model) {
    RadioData data;
    ImportChannelsCsv("Location,Frequency\n1,435.125\n17,446.00625\n128,401.0\n", {.KeepLocations = true},
                      data, model);
    FUZZ_CHECK(data.Channels.Count == 3);
    return data;
}

// The image a write would send; every channel can be written to the radio as it stands.
RadioImage PackedImage(const ModelState& model, const RadioData& data) {
    const Messages messages;
    RadioRecords radio;
    radio.Model = model;
    radio.Data = data;
    FUZZ_CHECK(PackRadioImage(radio, messages).Ok);
    return radio.Image;
}

void CheckChannels(const RadioData& data) {
    const ChannelTable& table = data.Channels;
    FUZZ_CHECK(table.Count >= 0 && table.Count <= kChannelCapacity);
    std::array<bool, kChannelCapacity + 1> taken{};
    for (int i = 0; i < table.Count; ++i) {
        const int number = table.Records[i].Number;
        FUZZ_CHECK(number >= 1 && number <= kChannelCapacity && !taken[number]);
        taken[number] = true;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ModelState model;
    static const RadioData base = BaseData(model);
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::vector<CsvRecord> records = ReadCsvRecords(text);
    FUZZ_CHECK(records.size() <= size);

    // The length picks the options, so that any CSV file is a seed.
    const ImportOptions options{.KeepLocations = (size & 1) != 0, .Merge = (size & 2) != 0};
    RadioData imported = base;
    const ImportReport report = ImportChannelsCsv(text, options, imported, model);
    FUZZ_CHECK(report.Imported >= 0 && report.Imported <= kChannelCapacity);
    if (!report.IsChannelCsv || report.Imported == 0) {
        FUZZ_CHECK(imported == base);
        return 0;
    }
    CheckChannels(imported);
    for (const ImportNote& note : report.Notes)
        FUZZ_CHECK(note.Row >= 2);

    RadioData again = imported;
    const ImportReport reimport =
        ImportChannelsCsv(ExportChannelsCsv(imported.Channels), {.KeepLocations = true}, again, model);
    // The same channels for the radio: a field the columns leave out (a shift of zero never set or set
    // to zero) may be stored otherwise.
    FUZZ_CHECK(reimport.Notes.empty());
    const std::string exported = ExportChannelsCsv(imported.Channels);
    const std::string reexported = ExportChannelsCsv(again.Channels);
    if (exported != reexported)
        std::fprintf(stderr, "Exported:\n%s\nExported again:\n%s\n", exported.c_str(), reexported.c_str());
    FUZZ_CHECK(exported == reexported);
    const RadioImage image = PackedImage(model, imported);
    const RadioImage imageAgain = PackedImage(model, again);
    for (std::size_t i = 0; i < image.size(); ++i) {
        if (image[i] != imageAgain[i])
            std::fprintf(stderr, "Image byte %zu: %02X, imported again %02X\n", i, image[i], imageAgain[i]);
    }
    FUZZ_CHECK(image == imageAgain);
    return 0;
}
