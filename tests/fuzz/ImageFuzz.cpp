// The radio image as a read brings it: any 2832 bytes. Whatever unpacks must pack again without error
// (a radio that was read can always be written back), and the packed image unpacks to the same records.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "files/DataFileLayout.h"
#include "fuzz/FuzzInput.h"
#include "image/RadioImagePacking.h"
#include "records/RadioRecords.h"
#include "services/FixedText.h"
#include "services/Messages.h"

using namespace mox;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Messages messages;
    RadioRecords read;
    // A shorter input is the start of an image whose rest is erased memory.
    read.Image.fill(0xFF);
    std::copy_n(data, std::min<std::size_t>(size, kRadioImageSize), read.Image.begin());
    UnpackRadioImage(read, messages);
    FUZZ_CHECK(read.Data.Channels.Count >= 0 && read.Data.Channels.Count <= kChannelCapacity);

    const PackResult packed = PackRadioImage(read, messages);
    FUZZ_CHECK(packed.Ok);

    RadioRecords again;
    again.Image = read.Image;
    UnpackRadioImage(again, messages);
    // The model record is padded as the current model writes it; its text and band are what count.
    FUZZ_CHECK(CutFixedText(again.Data.Model.ModelCode) == CutFixedText(read.Data.Model.ModelCode));
    FUZZ_CHECK(again.Data.Model.BandCode == read.Data.Model.BandCode);
    again.Data.Model = read.Data.Model;
    // Packing writes a message line without the blanks around it, as the message editor shows it.
    for (FixedText<16>& line : read.Data.Functions.Message.Lines) {
        std::string text = CutFixedText(line);
        text.erase(0, text.find_first_not_of(' '));
        text.erase(text.find_last_not_of(' ') + 1);
        SetFixedText(line, text);
    }
    if (!(again.Data == read.Data)) {
        const std::vector<std::uint8_t> first = EncodeDataRecord(read.Data);
        const std::vector<std::uint8_t> second = EncodeDataRecord(again.Data);
        for (const FileField& field : DataFileFields()) {
            if (!std::equal(first.begin() + field.Offset, first.begin() + field.Offset + field.Size,
                            second.begin() + field.Offset))
                std::fprintf(stderr, "Differs after packing: the data file field at %zu\n", field.Offset);
        }
    }
    FUZZ_CHECK(again.Data == read.Data);
    FUZZ_CHECK(again.Model.ModelCode == read.Model.ModelCode && again.Model.BandCode == read.Model.BandCode);
    FUZZ_CHECK(again.FivePoints == read.FivePoints);

    const RadioImage first = read.Image;
    FUZZ_CHECK(PackRadioImage(again, messages).Ok);
    FUZZ_CHECK(again.Image == first);
    return 0;
}
