#include "image/Models.h"

#include <array>
#include <charconv>

#include "services/FixedText.h"

namespace mox {

namespace {

struct ModelEntry {
    std::string_view Code;
    std::string_view DisplayName;
};

constexpr std::array<ModelEntry, 2> kModels = {{{"RB516", "MOX-5HK"}, {"RB516G", "MOX-5HK_1"}}};

struct BandEntry {
    int Code;
    std::string_view Name;
};

// In the order the band lists show them.
constexpr std::array<BandEntry, 17> kBands = {{
    {0, "400 - 480 MHz"},
    {1, "430 - 450 MHz"},
    {2, "400 - 440 MHz"},
    {3, "440 - 480 MHz"},
    {4, "400 - 450 MHz"},
    {5, "450 - 480 MHz"},
    {6, "430 - 440 MHz"},
    {7, "430 - 480 MHz"},
    {8, "136 - 174 MHz"},
    {9, "136 - 150 MHz"},
    {10, "150 - 174 MHz"},
    {11, "136 - 145 MHz"},
    {12, "145 - 174 MHz"},
    {13, "144 - 146 MHz"},
    {14, "144 - 148 MHz"},
    {16, "350 - 390 MHz"},
    {32, "450 - 520 MHz"},
}};

// A write to a radio of another band of the same family may go on after a warning only in families
// up to 3; family 4 (the 450 - 520 MHz band) is never shared.
constexpr int kLastSharedFamily = 3;

const BandEntry* FindBandByName(std::string_view name) {
    for (const BandEntry& band : kBands) {
        if (band.Name == name)
            return &band;
    }
    return nullptr;
}

// The number formed by three characters of a band name ("400 - 480 MHz": 1..3 and 7..9).
double LimitAt(std::string_view name, std::size_t first) {
    int value = 0;
    const std::string_view digits = name.substr(first, 3);
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

bool IsKnownModel(std::string_view modelCode) {
    for (const ModelEntry& model : kModels) {
        if (model.Code == modelCode)
            return true;
    }
    return false;
}

std::string ModelDisplayName(std::string_view modelCode) {
    for (const ModelEntry& model : kModels) {
        if (model.Code == modelCode)
            return std::string(model.DisplayName);
    }
    return std::string(modelCode);
}

std::string ModelCodeOf(std::string_view displayName) {
    const std::string name = CutFixedText(displayName);
    for (const ModelEntry& model : kModels) {
        if (model.DisplayName == name)
            return std::string(model.Code);
    }
    return name;
}

std::string BandName(int bandCode) {
    for (const BandEntry& band : kBands) {
        if (band.Code == bandCode)
            return std::string(band.Name);
    }
    return "";
}

int BandCodeOf(std::string_view bandName) {
    const BandEntry* band = FindBandByName(bandName);
    return band == nullptr ? 0 : band->Code;
}

const std::vector<int>& BandCodes() {
    static const std::vector<int> codes = [] {
        std::vector<int> list;
        for (const BandEntry& band : kBands)
            list.push_back(band.Code);
        return list;
    }();
    return codes;
}

std::vector<std::string> BandNamesOfModel(std::string_view modelCode) {
    std::vector<std::string> names;
    if (!IsKnownModel(modelCode))
        return names;
    for (const BandEntry& band : kBands)
        names.emplace_back(band.Name);
    return names;
}

int BandFamily(int bandCode) {
    return bandCode < 0 ? -1 : bandCode / 8;
}

// Limits can only be taken from a name of the band table. Any other name (the empty name of a band
// code the table does not know) leaves the band and its limits as they were, so every frequency is
// still checked against real limits.
void SetBandLimits(ModelState& model, std::string_view bandName) {
    const BandEntry* band = FindBandByName(bandName);
    if (band == nullptr)
        return;
    model.BandName = std::string(band->Name);
    model.BandCode = static_cast<std::uint8_t>(band->Code);
    model.LowerLimit = LimitAt(band->Name, 0);
    model.UpperLimit = LimitAt(band->Name, 6);
}

bool IsSameBandFamily(int programBand, int radioBand) {
    const int family = BandFamily(programBand);
    return family >= 0 && family <= kLastSharedFamily && family == BandFamily(radioBand);
}

void SyncModelRecord(const ModelState& model, ModelRecord& record) {
    SetFixedText(record.ModelCode, model.ModelCode, '\0');
    record.BandCode = static_cast<std::int16_t>(BandCodeOf(model.BandName));
}

// A band code the table does not know keeps the previous band, as SetBandLimits does for its name.
void ApplyModelRecord(ModelState& model, const ModelRecord& record) {
    model.ModelCode = CutFixedText(record.ModelCode);
    SetBandLimits(model, BandName(record.BandCode));
}

}  // namespace mox
